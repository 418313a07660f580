#include "bot/transport_commands.h"

#include <gtest/gtest.h>

#include "bot/numbers.h"
#include "fakes/fake_bot_parts.h"

namespace sonorix {
namespace {

using namespace testing;
using Lines = std::vector<std::string>;

class TransportTest : public ::testing::Test {
 protected:
  TransportTest() {
    rig_.songs.names = {"a.mp3", "Love Song.mp3"};
    rig_.songs.selected = 1;
  }
  std::string Last() const { return rig_.client.Lines().back(); }
  std::size_t Count() const { return rig_.client.Lines().size(); }
  BotRig rig_;
};

TEST(SeekAmount, ReadsMinutesWithAColonAndPlainSecondsOtherwise) {
  EXPECT_EQ(ParseSeekAmount("1:30"), 90);
  EXPECT_EQ(ParseSeekAmount("0:45"), 45);
  EXPECT_EQ(ParseSeekAmount("2:05.9"), 125) << "seconds are cut to whole ones";
  EXPECT_EQ(ParseSeekAmount("90"), 90);
  EXPECT_EQ(ParseSeekAmount("2.5"), 2.5);
  EXPECT_EQ(ParseSeekAmount(" 7 "), 7);
  for (const char* bad : {"", "abc", "1:", ":30", "x:30", "1:3x", "nan", "inf", "1,5"}) {
    EXPECT_FALSE(ParseSeekAmount(bad)) << bad;
  }
}

TEST(SeekAmount, TakesOneSignAtMostAndOnlyFiniteAmounts) {
  EXPECT_EQ(ParseNumber("+3"), 3);
  EXPECT_EQ(ParseNumber("-3"), -3);
  for (const char* bad : {"+-3", "-+3", "++3", "+", "+ 3"}) EXPECT_FALSE(ParseNumber(bad)) << bad;
  EXPECT_EQ(ParseSeekAmount("1e300:0"), 6e301);
  for (const char* huge : {"1e308:0", "-1e308:5", "1.7e307:1"}) {
    EXPECT_FALSE(ParseSeekAmount(huge)) << huge;
  }
}

TEST_F(TransportTest, StopOnlyWhilePlayingAndWithAFolder) {
  rig_.Say("stop");
  rig_.media.state = PlayState::Paused;
  rig_.Say("STOP");
  EXPECT_EQ(Count(), 0u);
  rig_.media.state = PlayState::Playing;
  rig_.Say("stop");
  EXPECT_EQ(rig_.media.State(), PlayState::Stopped);
  EXPECT_EQ(Last(), R"(<FONT COLOR=#FF9900><font  face="arial narrow">» <font color=#FFFFFF>)"
                    "støppéd › <FONT COLOR=#FF9900><u>Løvé Søng.mp3</u>");
  EXPECT_EQ(rig_.progress.clears, 1);
}

TEST_F(TransportTest, PauseAndResumeAnswerForEveryState) {
  rig_.Say("pause");
  EXPECT_EQ(Last(), Condensed("érør › <FONT COLOR=#FF9900>pláy án mp3 first"));
  rig_.Say("xpause");
  EXPECT_EQ(Last(), Condensed("érør › <FONT COLOR=#FF9900>pláy án mp3 first"));
  rig_.media.state = PlayState::Playing;
  rig_.Say("xpause");
  EXPECT_EQ(Last(), Condensed("érør › <FONT COLOR=#FF9900>páusé án mp3 first"));
  rig_.Say("pause");
  EXPECT_EQ(Last(), Condensed("páuséd › <FONT COLOR=#FF9900><u>Løvé Søng.mp3</u>"));
  EXPECT_EQ(rig_.media.State(), PlayState::Paused);
  rig_.Say("pause");
  EXPECT_EQ(Last(), Condensed("páusing › <FONT COLOR=#FF9900><u>Løvé Søng.mp3</u>"));
  EXPECT_EQ(rig_.media.State(), PlayState::Paused);
  rig_.Say("xpause");
  EXPECT_EQ(Last(), Condensed("unpáuséd › <FONT COLOR=#FF9900><u>Løvé Søng.mp3</u>"));
  EXPECT_EQ(rig_.media.State(), PlayState::Playing);
}

TEST_F(TransportTest, VolumeUpToAHundredIsSetAndAboveIsRefused) {
  rig_.Say("v 50");
  EXPECT_EQ(Count(), 0u) << "nothing while stopped";
  rig_.media.state = PlayState::Playing;
  for (const char* line : {"V 100", "v 0", "v -5", "v 100.5", "v 2.5"}) rig_.Say(line);
  EXPECT_EQ(rig_.volume.levels, (std::vector<int>{100, 0, -5, 100, 2}));
  EXPECT_EQ(rig_.client.Lines()[0], Condensed("vølumé sét tø › <FONT COLOR=#FF9900>100%"));
  rig_.Say("v 101");
  EXPECT_EQ(Last(), Condensed("érør › vølumé tø high 1 - 100"));
  const std::size_t before = Count();
  rig_.Say("v loud");
  EXPECT_EQ(Count(), before) << "no number: no change, no reply";
  EXPECT_EQ(rig_.volume.levels.size(), 5u);
}

TEST_F(TransportTest, SeekMovesByTheAmountAndEchoesTheArgument) {
  rig_.media.state = PlayState::Playing;
  rig_.media.duration = 200;
  rig_.media.position = 10;
  rig_.Say("ff 1:30");
  EXPECT_EQ(rig_.media.position, 100);
  EXPECT_EQ(Last(), Condensed("fást føwárd › 1:30"));
  rig_.Say("ff 90");
  EXPECT_EQ(rig_.media.position, 190);
  EXPECT_EQ(Last(), Condensed("fást føwárd › 90 séc"));
  rig_.Say("rr 1:30");
  EXPECT_EQ(rig_.media.position, 100);
  EXPECT_EQ(Last(), Condensed("réwind › 1:30"));
  rig_.Say("rr 150");
  EXPECT_EQ(rig_.media.position, 0) << "a rewind past the start goes to the start";
}

TEST_F(TransportTest, SeekBeyondTheSongLengthIsRefused) {
  rig_.media.duration = 200;
  rig_.Say("ff 200");
  EXPECT_EQ(Last(), Condensed("érrør › 200 is to high"));
  rig_.media.duration = 0;
  rig_.Say("rr 0");
  EXPECT_EQ(Last(), Condensed("érrør › 0 is to high"));
  EXPECT_TRUE(rig_.media.seeks.empty());
  rig_.Say("ff soon");
  EXPECT_EQ(Count(), 2u);
}

TEST_F(TransportTest, RestartReopensTheSelectedSong) {
  rig_.Say("rst");
  EXPECT_EQ(rig_.media.opened, Lines{"D:\\music\\Love Song.mp3"});
  EXPECT_EQ(Last(), R"(<FONT COLOR=#FF9900><font  face="arial narrow">» <font color=#FFFFFF>)"
                    "réstárting ›  <b>1</b> › <FONT COLOR=#FF9900><u>Løvé Søng.mp3</u>");
  rig_.songs.selected = -1;
  rig_.media.broken = {"D:\\music\\"};
  rig_.Say("rst");
  EXPECT_EQ(Count(), 1u);
}

TEST_F(TransportTest, SongCountDateAndTime) {
  rig_.Say("songs?");
  EXPECT_EQ(Last(), Condensed("mp3 infø › <FONT COLOR=#FF9900>2 <FONT COLOR=#FFFFFF>mp3's in "
                              "<FONT COLOR=#FF9900>D:\\music"));
  rig_.Say("date");
  EXPECT_EQ(Last(), Condensed("tødáys dáté › <FONT COLOR=#FF9900>12/6/2026"));
  rig_.Say("time");
  EXPECT_EQ(Last(), Condensed("currént timé › <FONT COLOR=#FF9900>6:30:05 pm"));
}

}  // namespace
}  // namespace sonorix
