#include "chattext/text_helpers.h"

#include <gtest/gtest.h>

namespace sonorix {
namespace {

TEST(AccentText, SwapsOnlyLowerCaseAEAndO) {
  EXPECT_EQ(AccentText("playin"), "pláyin");
  EXPECT_EQ(AccentText("random"), "rándøm");
  EXPECT_EQ(AccentText("stopped"), "støppéd");
  EXPECT_EQ(AccentText("isative"), "isátivé");
  EXPECT_EQ(AccentText("Abe Oak"), "Abé Oák");
  EXPECT_EQ(AccentText(""), "");
}

TEST(AccentText, LeavesEveryOtherCharacterAsItIs) {
  EXPECT_EQ(AccentText("›  ïü 123 ♪ AEO xyz"), "›  ïü 123 ♪ AEO xyz");
  EXPECT_EQ(AccentText("éáø"), "éáø");
}

TEST(StripSpaces, RemovesEveryBlankAndNothingElse) {
  EXPECT_EQ(StripSpaces("  my  song .mp3 "), "mysong.mp3");
  EXPECT_EQ(StripSpaces("   "), "");
  EXPECT_EQ(StripSpaces("tab\there"), "tab\there");
}

// RRGGBB read into blue-green-red order, stopping at the first character
// that is no hex digit; blue is read first, so a bad blue pair hides the rest.
TEST(HtmlToColor, ReadsRrggbbUpToTheFirstCharacterThatIsNoHexDigit) {
  const std::pair<std::string, std::uint32_t> cases[] = {
      {"FF8000", 33023},  {"00FF00", 65280}, {"0000ff", 0xFF0000}, {"ZZZZZZ", 0}, {"FFFFZZ", 0},
      {"ZZ8000", 0x0080}, {"", 0},           {"F", 0xFF}};
  for (auto [text, expected] : cases) EXPECT_EQ(HtmlToColor(text).bgr, expected) << text;
  std::string hashed = "#FF8000";
  EXPECT_EQ(HtmlToColor(hashed).bgr, 33023u);
  EXPECT_EQ(hashed, "FF8000") << "the leading hash is dropped from the caller's text";
}

TEST(LowerCase, LowersTheCapitalsOfWindows1252Only) {
  EXPECT_EQ(LowerCase("P Song.MP3"), "p song.mp3");
  EXPECT_EQ(LowerCase("ÀÉÖØÞ×"), "àéöøþ×");
  EXPECT_EQ(LowerCase("ŠŒŽŸ šœžÿ"), "šœžÿ šœžÿ");
  EXPECT_EQ(LowerCase("›»ß中"), "›»ß中");
  EXPECT_EQ(LowerCase("\xC5\x41"), "\xC5\x61") << "a stray lead byte hides no letter";
}

}  // namespace
}  // namespace sonorix
