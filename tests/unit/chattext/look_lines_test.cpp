#include "chattext/look_lines.h"

#include <gtest/gtest.h>

#include <utility>

namespace sonorix {
namespace {

TEST(LookLines, SpellTheirWordsInTwoColoursByteForByte) {
  const Style style{"neon", "neon", "FF9900", "»", "FFFFFF"};
  const std::string presetHead =
      R"(<FONT COLOR=#FF9900>» <FONT COLOR=#FFFFFF><font  face="arial narrow">Sønørix ...  )";
  const std::string narrow =
      R"(<FONT COLOR=#FF9900><font  face="arial narrow">» <font color=#FFFFFF>Sønørix ...)";
  const std::string a = "<FONT COLOR=#FF9900>", f = "<font color=#FFFFFF>";
  const std::pair<std::string, std::string> lines[] = {
      {PresetsAnnouncement(style), presetHead + a + "p" + f + "réséts, " + a + "l" + f + "øádéd"},
      {StylesAnnouncement(style), narrow + "  " + a + "s" + f + "tylés, " + a + "l" + f + "øádéd"},
      {PresetSwitchAnnouncement(style, "Dark Red"),
       presetHead + a + "p" + f + "rését : Dárk Réd " + a + "l" + f + "øádéd"},
      {PresetsClosedAnnouncement(style),
       presetHead + a + "p" + f + "réséts, " + a + "u" + f + "nløádéd"},
      {StyleSwitchAnnouncement(style, "neo"),
       narrow + "  " + a + "s" + f + "tylé : néø " + a + "l" + f + "øádéd"},
      {StylesClosedAnnouncement(style),
       narrow + "  " + a + "s" + f + "tylés, " + a + "u" + f + "nløádéd"},
      {StyleMakerOpenAnnouncement(style),
       narrow + " " + a + "s" + f + "tylé mákér " + a + "l" + f + "øádéd"},
      {StyleSavedAnnouncement(style, "new one"),
       narrow + " " + a + "s" + f + "tylé : néw øné " + a + "s" + f + "ávéd"},
      {StyleMakerClosedAnnouncement(style),
       narrow + " " + a + "s" + f + "tylé mákér " + a + "u" + f + "nløádéd"},
      {StylePreviewLine({"", "", "00FF00", "~", "0000FF"}, "sea"),
       R"(<FONT COLOR=#00FF00><font  face="arial narrow">~ <font color=#0000FF>Sønørix ... )"
       "<FONT COLOR=#00FF00>s<font color=#0000FF>tylé préviéw› séá"},
      {StylePreviewLine({}, ""), R"(<FONT COLOR=#><font  face="arial narrow"> <font color=#>)"
                                 "Sønørix ... <FONT COLOR=#>s<font color=#>tylé préviéw› "},
  };
  for (const auto& [line, expected] : lines) EXPECT_EQ(line, expected);
}

}  // namespace
}  // namespace sonorix
