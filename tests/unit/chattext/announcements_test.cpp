#include <gtest/gtest.h>

#include "chattext/chat_line.h"
#include "chattext/program_lines.h"
#include "chattext/song_lines.h"

namespace sonorix {
namespace {

Style Orange() { return Style{"sonorix", "sonorix", "FF9900", "»", "FFFFFF"}; }

constexpr char kHead[] = R"(<FONT COLOR=#FF9900><font  face="arial narrow">» <font color=#FFFFFF>)";

// The double-click word ends in a blank, the button's does not; the file
// name is accented, except in the end-of-song lines.
TEST(ChatLine, SongLinesMatchTheKnownExamples) {
  EXPECT_EQ(
      PlayAnnouncement(Orange(), PlayWord::DoubleClick, 3, "song.mp3"),
      R"(<FONT COLOR=#FF9900><font  face="arial narrow">» <font color=#FFFFFF>pláyin ›  <b>3</b> › <FONT COLOR=#FF9900><u>søng.mp3</u>)");
  EXPECT_EQ(PlayAnnouncement(Orange(), PlayWord::Button, 0, "a.mp3"),
            std::string(kHead) + "pláyin › <b>0</b> › <FONT COLOR=#FF9900><u>á.mp3</u>");
  EXPECT_EQ(RandomAnnouncement(Orange(), 12, "Love Song.mp3"),
            std::string(kHead) + "rándøm › <b>12</b> › <FONT COLOR=#FF9900><u>Løvé Søng.mp3</u>");
  EXPECT_EQ(StopAnnouncement(Orange(), "Love Song.mp3"),
            std::string(kHead) + "støppéd › <FONT COLOR=#FF9900><u>Løvé Søng.mp3</u>");
  EXPECT_EQ(EndOfSongRandomAnnouncement(Orange(), "Love Song.mp3"),
            std::string(kHead) + "rándøm › <FONT COLOR=#FF9900>Love Song.mp3");
  EXPECT_EQ(EndOfSongPlayAnnouncement(Orange(), "Love Song.mp3"),
            std::string(kHead) + "pláyin ›  <FONT COLOR=#FF9900>Love Song.mp3");
}

// An empty decoration still leaves the blank before the main colour; a
// decoration is joined verbatim, labels are accented.
TEST(ChatLine, HeadsTakeTheStyleAsItIs) {
  const Style bare{"", "", "000000", "", "111111"};
  EXPECT_EQ(NarrowHead(bare),
            R"(<FONT COLOR=#000000><font  face="arial narrow"> <font color=#111111>)");
  EXPECT_EQ(NarrowHeadCapital(bare),
            R"(<FONT COLOR=#000000><font  face="arial narrow"> <FONT COLOR=#111111>)");
  EXPECT_EQ(CondensedHead(bare),
            R"(<FONT COLOR=#000000><font  face="abadi mt condensed light"> <FONT COLOR=#111111>)");
  const Style tagged{"", "", "0", "<b>o</b>", "1"};
  EXPECT_EQ(ChatLine(tagged, "one"),
            R"(<FONT COLOR=#0><font  face="arial narrow"><b>o</b> <font color=#1>øné)");
  EXPECT_EQ(CondensedLine(tagged, "no"),
            R"(<FONT COLOR=#0><font  face="abadi mt condensed light"><b>o</b> <FONT COLOR=#1>nø)");
}

TEST(ChatLine, BannersDifferOnlyInTheirLastTwoWordsAndTheSummaryShowsCountPresetAndStyle) {
  const std::string version =
      std::string(kHead) + "Sønørix ...  v<FONT COLOR=#FF9900>1.1 <FONT COLOR=#FFFFFF>by Dørvin › ";
  EXPECT_EQ(StartupBanner(Orange()), version + "<font color=#FF9900>á<font color=#FFFFFF>ctivé");
  EXPECT_EQ(ClosingBanner(Orange()), version + "<font color=#FF9900>d<font color=#FFFFFF>isátivé");
  EXPECT_EQ(SummaryLine(Orange(), 0, "default", "sonorix"),
            std::string(kHead) +
                "pList › <font color=#FF9900>0 <font color=#FFFFFF>prését › "
                "<font color=#FF9900> défáult <font color=#FFFFFF>stylé › "
                "<font color=#FF9900>sønørix");
}

}  // namespace
}  // namespace sonorix
