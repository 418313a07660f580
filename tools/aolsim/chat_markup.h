// Chat lines travel as HTML fragments. The transcript window holds them with
// the tags dropped; the coloured view keeps the few tags that style text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sonorix::aolsim {

// The text with every "<...>" run removed. A "<" that is never closed is
// text, as is a lone ">".
std::string StripTags(std::string_view html);

struct TextRun {
  std::string text;
  std::optional<std::uint32_t> colour;  // 0x00BBGGRR; empty means the view's default
  bool bold = false;
  bool underline = false;

  friend bool operator==(const TextRun&, const TextRun&) = default;
};

// The styled pieces of a line, whose texts joined give StripTags(html).
// <font color=...>, <b>, </b>, <u> and </u> change the style; every other
// tag, </font> included, leaves it as it was. Neighbouring text of one style
// forms one run, and no run is empty.
std::vector<TextRun> ParseRuns(std::string_view html);

}  // namespace sonorix::aolsim
