#include "aolsim/chat_markup.h"

#include <gtest/gtest.h>

namespace sonorix::aolsim {
namespace {

constexpr std::uint32_t kRed = 0x0000FF;  // 0x00BBGGRR
constexpr std::uint32_t kBlue = 0xFF0000;

std::string Joined(const std::vector<TextRun>& runs) {
  std::string text;
  for (const TextRun& run : runs) text += run.text;
  return text;
}

TEST(StripTags, DropsEveryTagAndKeepsEverythingElse) {
  EXPECT_EQ(StripTags("<font color=#FF0000>hi <b>there</b></font>"), "hi there");
  EXPECT_EQ(StripTags("  two  blanks\tand &amp; stay "), "  two  blanks\tand &amp; stay ");
  EXPECT_EQ(StripTags("<<b>>"), ">");
  EXPECT_EQ(StripTags("\xBB S\xF8n<i>\xF8</i>rix"), "\xBB S\xF8n\xF8rix");
  EXPECT_EQ(StripTags(""), "");
  // Brackets that do not close a tag stay.
  EXPECT_EQ(StripTags("a < b"), "a < b");
  EXPECT_EQ(StripTags("a > b"), "a > b");
  EXPECT_EQ(StripTags("x <b>y</b> <unclosed"), "x y <unclosed");
  EXPECT_EQ(StripTags("1 < 2 > 0"), "1  0");
}

// A colour holds until the next usable one, bold and underline switch in any
// case, other tags change nothing, and no run is empty.
TEST(ParseRuns, SplitsTheLineWhereColourBoldOrUnderlineChange) {
  constexpr auto kNone = std::nullopt;
  const std::pair<const char*, std::vector<TextRun>> cases[] = {
      {"a<font color=#FF0000>b</font>c<FONT COLOR=#0000ff>d",
       {{"a", kNone, false, false}, {"bc", kRed, false, false}, {"d", kBlue, false, false}}},
      {"<font color=#FF0000>a<font  face=\"arial narrow\">b<font color=red>c"
       "<font color=#12345>d<font color=#GG0000>e",
       {{"abcde", kRed, false, false}}},
      {"<B>b<u>bu</B>u</U>n",
       {{"b", kNone, true, false},
        {"bu", kNone, true, true},
        {"u", kNone, false, true},
        {"n", kNone, false, false}}},
      {"<b>a<br>b<body>c<i>d</font>e<bogus color=#FF0000>f", {{"abcdef", kNone, true, false}}},
      {"", {}},
      {"<b></b><font color=#FF0000>", {}},
      {"<b></b>x", {{"x", kNone, false, false}}}};
  for (const auto& [html, runs] : cases) EXPECT_EQ(ParseRuns(html), runs) << html;
  EXPECT_EQ(ParseRuns("<font face=\"arial narrow\" color=\"#ff0000\">x").front().colour, kRed);
  EXPECT_EQ(ParseRuns("<Font Face='a b' Color='FF0000'>x").front().colour, kRed);
  EXPECT_EQ(ParseRuns("<font color = #FF0000 size=2>x").front().colour, kRed);
  EXPECT_EQ(ParseRuns("<font face=\"color=#0000FF\">x").front().colour, kNone);
}

TEST(ParseRuns, TextsJoinToTheStrippedLine) {
  for (const char* html :
       {"<FONT COLOR=#FF9900><font  face=\"arial narrow\">\xBB <font color=#FFFFFF>S\xF8n\xF8rix",
        "a < b <b>c</b> > d", "<<b>>x<u", "plain", "<font color=\"#00FF00>broken quote"}) {
    EXPECT_EQ(Joined(ParseRuns(html)), StripTags(html)) << html;
  }
}

}  // namespace
}  // namespace sonorix::aolsim
