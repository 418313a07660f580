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

TEST(HtmlToColor, ReadsRrggbbIntoBlueGreenRedOrder) {
  std::string text = "FF8000";
  EXPECT_EQ(HtmlToColor(text).bgr, 33023u);
  std::string green = "00FF00";
  EXPECT_EQ(HtmlToColor(green).bgr, 65280u);
  std::string lower = "0000ff";
  EXPECT_EQ(HtmlToColor(lower).bgr, 0xFF0000u);
}

TEST(HtmlToColor, LeadingHashIsDroppedFromTheCallersText) {
  std::string text = "#FF8000";
  EXPECT_EQ(HtmlToColor(text).bgr, 33023u);
  EXPECT_EQ(text, "FF8000");
}

TEST(HtmlToColor, StopsAtTheFirstCharacterThatIsNoHexDigit) {
  std::string letters = "ZZZZZZ";
  EXPECT_EQ(HtmlToColor(letters).bgr, 0u);
  // Blue is read first: a bad blue pair hides the rest.
  std::string badBlue = "FFFFZZ";
  EXPECT_EQ(HtmlToColor(badBlue).bgr, 0u);
  std::string badRed = "ZZ8000";
  EXPECT_EQ(HtmlToColor(badRed).bgr, 0x0080u);
  std::string shortText = "F";
  EXPECT_NO_FATAL_FAILURE(HtmlToColor(shortText));
  std::string empty;
  EXPECT_EQ(HtmlToColor(empty).bgr, 0u);
}

}  // namespace
}  // namespace sonorix

namespace sonorix {
namespace {

TEST(LowerCase, LowersTheCapitalsOfWindows1252Only) {
  EXPECT_EQ(LowerCase("P Song.MP3"), "p song.mp3");
  EXPECT_EQ(LowerCase("ÀÉÖØÞ×"), "àéöøþ×");
  EXPECT_EQ(LowerCase("ŠŒŽŸ šœžÿ"), "šœžÿ šœžÿ");
  EXPECT_EQ(LowerCase("›»ß中"), "›»ß中");
  EXPECT_EQ(LowerCase("\xC5\x41"), "\xC5\x61") << "a stray lead byte hides no letter";
}

}  // namespace
}  // namespace sonorix
