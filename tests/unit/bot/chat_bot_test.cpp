#include "bot/chat_bot.h"

#include <gtest/gtest.h>

#include <utility>

#include "chattext/command_registry.h"
#include "chattext/like_pattern.h"
#include "chattext/program_lines.h"
#include "fakes/fake_bot_parts.h"

namespace sonorix {
namespace {

using namespace testing;
using Lines = std::vector<std::string>;

TEST(ChatBot, AdvertisesInAnyLetterCaseButNotWithExtraCharacters) {
  BotRig rig;
  for (const char* line : {"adv", "ADV", "Adv"}) rig.Say(line);
  EXPECT_EQ(rig.client.Lines().size(), 6u);
  EXPECT_EQ(rig.client.Lines()[0],
            kNarrow +
                "Sønørix ... v<FONT COLOR=#FF9900>1.1 <FONT COLOR=#FFFFFF>by Dørvin › áøl "
                "<font color=#FF9900>8.0");
  EXPECT_EQ(rig.client.Lines()[1], kNarrow + "this shit's tité, áint it?");
  EXPECT_EQ(rig.clock.pauses, (std::vector<double>{0.1, 0.1, 0.1}));
  for (const char* line : {"adv ", " adv", "advx"}) rig.Say(line);
  EXPECT_EQ(rig.client.Lines().size(), 6u);
}

TEST(ChatBot, OnlyTheSignedOnNameIsObeyedAndOnlyWhileSignedOn) {
  BotRig rig;
  rig.bot.DispatchChatLine("Bob", "adv");
  rig.bot.DispatchChatLine("dorvin", "adv");
  rig.bot.DispatchChatLine("Dorvin ", "adv");
  EXPECT_TRUE(rig.client.Lines().empty());
  rig.client.tree.Destroy(rig.client.welcome);
  rig.Say("adv");
  rig.bot.DispatchChatLine("[not online]", "adv");
  EXPECT_TRUE(rig.client.Lines().empty());
}

TEST(ChatBot, ReadsTheStyleAndTheNameAfreshForEveryLine) {
  BotRig rig;
  rig.Say("date");
  rig.settings.WriteMain("style", "plain");
  rig.settings.WriteIni("styles", "acolor", "00FF00", rig.settings.StyleFile("plain"));
  rig.Say("date");
  ASSERT_EQ(rig.client.Lines().size(), 2u);
  EXPECT_NE(rig.client.Lines()[0].find("#FF9900"), std::string::npos);
  EXPECT_NE(rig.client.Lines()[1].find("#00FF00"), std::string::npos);
  rig.client.tree.SetWindowText(rig.client.welcome, "Welcome, Other!");
  rig.Say("date");
  EXPECT_EQ(rig.client.Lines().size(), 2u);
}

// Each read of the style is a file read; the lines that run no command
// (chatter, other members, the program's own replies coming back) are most
// of a room's lines and need none.
TEST(ChatBot, ReadsTheStyleOnlyForACommand) {
  BotRig rig;
  const int before = rig.store.reads;
  rig.Say("just talking");
  rig.bot.DispatchChatLine("Bob", "date");
  EXPECT_EQ(rig.store.reads, before);
  rig.Say("date");
  EXPECT_GT(rig.store.reads, before);
}

// Whatever comes while a handler waits (a listing's line being typed, the
// pause between two lines of a reply) waits for it in turn.
TEST(ChatBot, NoHandlerRunsInsideAnother) {
  BotRig rig;
  rig.songs.names = {"a.mp3", "b.mp3"};
  rig.songs.selected = 0;
  rig.media.state = PlayState::Playing;
  rig.Say("p mp3");
  rig.Say("/scroll");
  bool typed = false;
  rig.client.tree.onDoEvents = [&] {
    if (!std::exchange(typed, true)) rig.Say("stop");
  };
  rig.Tick(1);
  rig.client.tree.onDoEvents = nullptr;
  ASSERT_EQ(rig.client.Lines().size(), 4u);
  EXPECT_NE(rig.client.Lines()[2].find("1›"), std::string::npos);
  EXPECT_NE(rig.client.Lines()[3].find("støppéd"), std::string::npos);
  rig.clock.duringPause = [&] { rig.Tick(1); };
  rig.Say("adv");
  rig.clock.duringPause = nullptr;
  ASSERT_EQ(rig.client.Lines().size(), 6u) << "no listing line between the two";
  rig.Tick(0);
  EXPECT_NE(rig.client.Lines()[6].find("typé"), std::string::npos);
}

// "&close" pressed while a reply waits between its two lines and a listing
// runs: the closing lines are the last the room gets.
TEST(ChatBot, NothingGoesToTheRoomOnceTheProgramEnds) {
  BotRig rig;
  rig.songs.names = {"a.mp3", "b.mp3"};
  rig.Say("p mp3");
  rig.Say("/scroll");
  rig.clock.duringPause = [&] { rig.player.CloseButton(); };
  rig.Say("adv");
  rig.clock.duringPause = nullptr;
  rig.ListToTheEnd();
  rig.Say("date");
  const auto lines = rig.client.Lines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[3], ClosingBanner(rig.CurrentStyle()));
  EXPECT_EQ(lines[4].find("this shit"), std::string::npos);
}

TEST(ChatBot, NoLineMatchesTwoPatterns) {
  for (const char* line : {"r", "r ", "rr 10", "rst", "brb", "brb x", "coms?", "songs?", "p 1",
                           "pause", "xpause", "v 5", "ff 1:30", "idle gone", "xidle", "ls neon"}) {
    int matches = 0;
    for (const auto& command : kCommands) matches += Like(line, command.pattern) ? 1 : 0;
    EXPECT_EQ(matches, 1) << line;
  }
}

}  // namespace
}  // namespace sonorix
