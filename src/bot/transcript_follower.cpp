#include "bot/transcript_follower.h"

namespace sonorix {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Where each complete line of the text starts, and the end of the last one.
std::vector<std::size_t> LineStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  std::size_t at = 0;
  for (auto end = text.find(kLineEnd); end != std::string_view::npos;
       end = text.find(kLineEnd, at)) {
    starts.push_back(at);
    at = end + kLineEnd.size();
  }
  starts.push_back(at);
  return starts;
}

// How much of the new text is lines already seen: the longest tail of the
// seen lines that the text starts with.
std::size_t SeenPrefixLength(std::string_view seen, std::string_view text) {
  for (const std::size_t start : LineStarts(seen)) {
    const std::string_view tail = seen.substr(start);
    if (text.substr(0, tail.size()) == tail) return tail.size();
  }
  return 0;
}

}  // namespace

void TranscriptFollower::Reset(std::string_view text) {
  const auto starts = LineStarts(text);
  seen_ = std::string(text.substr(0, starts.back()));
}

std::vector<std::string> TranscriptFollower::Advance(std::string_view text) {
  const std::size_t known = SeenPrefixLength(seen_, text);
  std::vector<std::string> lines;
  const std::string_view fresh = text.substr(known);
  std::size_t at = 0;
  for (auto end = fresh.find(kLineEnd); end != std::string_view::npos;
       end = fresh.find(kLineEnd, at)) {
    lines.emplace_back(fresh.substr(at, end - at));
    at = end + kLineEnd.size();
  }
  // A line still being written stays unseen until its CR LF arrives.
  seen_ = std::string(text.substr(0, known + at));
  return lines;
}

ChatLineEvent SplitTranscriptLine(std::string_view line) {
  constexpr std::string_view kSeparator = ":\t";
  const auto at = line.find(kSeparator);
  if (at == std::string_view::npos) return {"", std::string(line)};
  return {std::string(line.substr(0, at)), std::string(line.substr(at + kSeparator.size()))};
}

}  // namespace sonorix
