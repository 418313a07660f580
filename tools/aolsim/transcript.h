// The lines of one chat room: the rich form that the view paints, and the
// plain text that other programs read from the transcript window.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "aolsim/chat_markup.h"

namespace sonorix::aolsim {

inline constexpr std::size_t kDefaultMaxLines = 1000;

// How many lines stay once a transcript grows past maxLines: a fifth goes at
// once, so the text is not cut on every new line. Never less than one, so
// the newest line always survives.
constexpr std::size_t LinesKeptAfterTrim(std::size_t maxLines) { return maxLines - maxLines / 5; }

struct ChatLine {
  std::string name;
  std::string html;
  std::vector<TextRun> runs;    // the html, styled
  std::size_t plainLength = 0;  // its share of the plain text
};

class Transcript {
 public:
  explicit Transcript(std::size_t maxLines = kDefaultMaxLines);

  // Adds "name:<TAB>text<CR><LF>" with the text's tags removed. CR and LF in
  // either part become blanks: one chat line must stay one text line, or a
  // member could forge a line under someone else's name.
  void Append(std::string_view name, std::string_view html);
  // maxLines is at least 1; a lower limit trims at once.
  void SetMaxLines(std::size_t maxLines);
  void Clear();

  const std::string& Text() const { return text_; }
  const std::deque<ChatLine>& Lines() const { return lines_; }

 private:
  void TrimIfOver();

  std::size_t maxLines_;
  std::deque<ChatLine> lines_;
  std::string text_;
};

}  // namespace sonorix::aolsim
