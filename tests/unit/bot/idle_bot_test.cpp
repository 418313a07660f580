#include "bot/idle_bot.h"

#include <gtest/gtest.h>

#include "fakes/fake_bot_parts.h"

namespace sonorix {
namespace {

using namespace testing;
using Lines = std::vector<std::string>;

// Lets the idle bot's timer run for the given number of minutes.
void Minutes(BotRig& rig, int count) {
  for (int i = 0; i < count; ++i) rig.Tick(IdleBot::kIntervalSeconds);
}

// A client document window with the given caption and two text lines.
void AddDocument(BotRig& rig, const std::string& caption, const std::string& fileLine,
                 const std::string& timeLine) {
  testing::FakeWindowTree& tree = rig.client.tree;
  const WindowRef mdi = tree.FindChild(tree.FindTopLevel("AOL Frame25"), {}, "MDIClient");
  const WindowRef document = tree.AddChild(mdi, "AOL Child", caption);
  tree.AddChild(document, "_AOL_Static", fileLine);
  tree.AddChild(document, "_AOL_Static", timeLine);
}

TEST(IdleBot, CountsMinutesThenHoursInTheirOwnWords) {
  const std::string minute = " <FONT COLOR=#FF9900>m<font color=#FFFFFF>";
  const std::string idleFor =
      Narrow("Sønørix") + " › <FONT COLOR=#FF9900>i<font color=#FFFFFF>dlé før ";
  const std::string hour = " <FONT COLOR=#FF9900>h<font color=#FFFFFF";
  const struct {
    int minutes;
    std::string line;
  } cases[] = {
      {1, idleFor + "1" + minute + "in, lunch"},
      {2, idleFor + "2" + minute + "ins, lunch"},
      {59, idleFor + "59" + minute + "ins, lunch"},
      {60, Narrow("Sønørix") + " › 1" + hour + ">r, 0" + minute + "ins, lunch"},
      {61, Narrow("Sønørix") + " › 1" + hour + ">r, 1" + minute + "in, lunch"},
      {120, Narrow("Sønørix") + " › 2" + hour + ">rs, 0" + minute + "ins, lunch"},
      {181, Narrow("Sønørix") + " › 3" + hour + ">rs, 1" + minute + "in, lunch"},
  };
  for (const auto& c : cases) {
    BotRig rig;
    rig.Say("idle lunch");
    rig.Tick(IdleBot::kIntervalSeconds - 1);
    EXPECT_EQ(rig.client.Lines().size(), 1u) << "nothing before the first minute is up";
    rig.Tick(1);
    Minutes(rig, c.minutes - 1);
    const Lines lines = rig.client.Lines();
    ASSERT_EQ(lines.size(), 1u + static_cast<std::size_t>(c.minutes));
    EXPECT_EQ(lines.back(), c.line) << c.minutes << " minutes";
  }
}

TEST(IdleBot, ReportsTheFirstTransferWindowAndPassesOverItsStatusWindow) {
  const struct {
    std::string fileLine, timeLine, caption, line;
  } cases[] = {
      {"Now Downloading song.mp3", "About 3 minutes remaining.", "File Transfer - 42%",
       "song.mp3 <FONT COLOR=#FFFFFF>› p<FONT COLOR=#FF9900>42% <FONT COLOR=#FFFFFF>› "
       "mL<FONT COLOR=#FF9900>About 3 minutes"},
      {"AOL is now Uploading a.zip", "About minutes remaining", "File Transfer - 7%",
       "a.zip <FONT COLOR=#FFFFFF>› p<FONT COLOR=#FF9900>7% <FONT COLOR=#FFFFFF>› "
       "mL<FONT COLOR=#FF9900>"},
  };
  for (const auto& c : cases) {
    BotRig rig;
    AddDocument(rig, "", "Now Downloading wrong.mp3", "");
    AddDocument(rig, "File Transfer Status", "Now Downloading wrong.mp3", "");
    AddDocument(rig, c.caption, c.fileLine, c.timeLine);
    rig.Say("idle away");
    Minutes(rig, 1);
    const Lines lines = rig.client.Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], Narrow("filé") + " › <FONT COLOR=#FF9900>" + c.line);
  }
}

TEST(IdleBot, AClientWithoutATransferOrWithoutAFrameGetsOnlyTheIdleLine) {
  BotRig rig;
  AddDocument(rig, "File Transfer Status", "Now Downloading wrong.mp3", "");
  rig.Say("idle away");
  Minutes(rig, 2);
  EXPECT_EQ(rig.client.Lines().size(), 3u);
  rig.client.tree.Destroy(rig.client.tree.FindTopLevel("AOL Frame25"));
  Minutes(rig, 1);
  EXPECT_EQ(rig.bot.Idle().Minutes(), 3) << "the counters run on without a client";
}

TEST(AwayCommands, IdleAndXidleAnswerOnlyWhenTheyChangeSomething) {
  BotRig rig;
  rig.Say("xidle");
  rig.Say("idle gone fishing");
  rig.Say("idle other");
  Minutes(rig, 2);
  rig.Say("xidle");
  rig.Say("xidle");
  rig.Say("IDLE ");
  const Lines lines = rig.client.Lines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], Narrow("gøin i<u>d</u>lé, gøné fishing"));
  EXPECT_EQ(lines[2].substr(lines[2].size() - 12), "gone fishing") << "the first reason holds";
  EXPECT_EQ(lines[3], Narrow("Idlé Bøt") + " <FONT COLOR=#FF9900>ø<font color=#FFFFFF>ff");
  EXPECT_EQ(lines[4], Narrow("gøin i<u>d</u>lé, "));
  EXPECT_EQ(rig.bot.Idle().Minutes(), 0);
  EXPECT_EQ(rig.bot.Idle().Reason(), "");
}

TEST(AwayCommands, BrbAnnouncesWithOrWithoutAReasonAndChangesNothing) {
  BotRig rig;
  rig.Say("brb");
  rig.Say("brb Making Tea");
  EXPECT_EQ(rig.client.Lines(), (Lines{kCondensed + "bé right báck...",
                                       kCondensed + "brb yo... › <FONT COLOR=#FF9900>Máking Téá"}));
  EXPECT_FALSE(rig.bot.Idle().Enabled());
}

// Both run from the same timer; neither may swallow the other's lines.
TEST(AwayCommands, AScrollListingAndTheIdleBotBothKeepTheirLines) {
  BotRig rig;
  rig.songs.names = {"My Song.mp3", "mysong remix.mp3", "song three.mp3"};
  rig.Say("idle tea");
  rig.Tick(IdleBot::kIntervalSeconds - 1.5);
  rig.Say("p song");
  rig.Say("/scroll");
  rig.ListToTheEnd();
  Minutes(rig, 1);
  const Lines lines = rig.client.Lines();
  int idleLines = 0;
  int listed = 0;
  for (const auto& line : lines) {
    idleLines += line.find("dlé før") != std::string::npos;
    listed += line.find("›  <FONT COLOR=#FF9900>") != std::string::npos;
  }
  EXPECT_EQ(idleLines, 2);
  EXPECT_EQ(listed, 3);
}

}  // namespace
}  // namespace sonorix
