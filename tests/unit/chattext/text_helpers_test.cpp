#include "chattext/text_helpers.h"

#include <gtest/gtest.h>

namespace sonorix {
namespace {

TEST(AccentText, SwapsOnlyLowerCaseAEAndO) {
  const std::pair<const char*, const char*> cases[] = {
      {"playin", "pláyin"},
      {"random", "rándøm"},
      {"stopped", "støppéd"},
      {"isative", "isátivé"},
      {"Abe Oak", "Abé Oák"},
      {"", ""},
      {"›  ïü 123 ♪ AEO xyz", "›  ïü 123 ♪ AEO xyz"},
      {"éáø", "éáø"}};
  for (const auto& [text, accented] : cases) EXPECT_EQ(AccentText(text), accented) << text;
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
