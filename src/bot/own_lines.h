// Recognising the program's own lines when the transcript brings them back,
// so no decoration or song name can make a reply run a command.
#pragma once

#include <deque>
#include <string>
#include <string_view>

namespace sonorix {

// The line as the room shows it: every "<...>" run removed.
std::string StripTags(std::string_view html);

class OwnLines {
 public:
  // A line the program typed into the room.
  void Remember(std::string_view html);
  // True, once, for a transcript text that is one of the remembered lines.
  bool TakeEcho(std::string_view text);

 private:
  // Lines typed while no room is open never come back; keep the newest.
  static constexpr std::size_t kKept = 64;
  std::deque<std::string> pending_;
};

}  // namespace sonorix
