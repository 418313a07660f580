#include "aolsim/transcript.h"

#include <algorithm>

namespace sonorix::aolsim {

namespace {

std::string OneLine(std::string_view text) {
  std::string line(text);
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return line;
}

}  // namespace

Transcript::Transcript(std::size_t maxLines) : maxLines_(std::max<std::size_t>(maxLines, 1)) {}

void Transcript::Append(std::string_view name, std::string_view html) {
  ChatLine line{OneLine(name), OneLine(html), {}, 0};
  line.runs = ParseRuns(line.html);
  const std::size_t before = text_.size();
  text_ += line.name;
  text_ += ":\t";
  for (const TextRun& run : line.runs) text_ += run.text;
  text_ += "\r\n";
  line.plainLength = text_.size() - before;
  lines_.push_back(std::move(line));
  TrimIfOver();
}

void Transcript::SetMaxLines(std::size_t maxLines) {
  maxLines_ = std::max<std::size_t>(maxLines, 1);
  TrimIfOver();
}

void Transcript::Clear() {
  lines_.clear();
  text_.clear();
}

void Transcript::TrimIfOver() {
  if (lines_.size() <= maxLines_) return;
  const std::size_t drop = lines_.size() - LinesKeptAfterTrim(maxLines_);
  std::size_t length = 0;
  for (std::size_t i = 0; i < drop; ++i) length += lines_[i].plainLength;
  lines_.erase(lines_.begin(), lines_.begin() + static_cast<std::ptrdiff_t>(drop));
  text_.erase(0, length);
}

}  // namespace sonorix::aolsim
