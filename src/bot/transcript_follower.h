// Following a chat transcript that grows at the bottom, may lose lines at
// the top, and may be emptied.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sonorix {

class TranscriptFollower {
 public:
  // Takes the text as already seen: none of its lines will be reported.
  void Reset(std::string_view text);
  // The complete lines (without their CR LF) that the text holds beyond
  // what was seen, oldest first. A transcript that lost lines at the top
  // keeps the rest of what was seen as its start; one that shares no seen
  // line at its start was emptied, and every line in it is new.
  std::vector<std::string> Advance(std::string_view text);

 private:
  std::string seen_;
};

struct ChatLineEvent {
  std::string screenName;
  std::string text;
};

// A transcript line: screen name, ":", TAB, text. A line without that
// separator is kept whole as text with no speaker.
ChatLineEvent SplitTranscriptLine(std::string_view line);

}  // namespace sonorix
