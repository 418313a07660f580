#include "bot/chat_bot.h"

#include <gtest/gtest.h>

#include <random>

#include "bot/command_table.h"
#include "chattext/like_pattern.h"
#include "fakes/fake_bot_parts.h"

namespace sonorix {
namespace {

using testing::BotRig;
using Lines = std::vector<std::string>;

constexpr char kNarrow[] =
    R"(<FONT COLOR=#FF9900><font  face="arial narrow">» <font color=#FFFFFF>)";

TEST(ChatBot, AdvertisesInAnyLetterCaseButNotWithExtraCharacters) {
  BotRig rig;
  for (const char* line : {"adv", "ADV", "Adv"}) rig.Say(line);
  EXPECT_EQ(rig.client.Lines().size(), 6u);
  EXPECT_EQ(rig.client.Lines()[0],
            std::string(kNarrow) +
                "Sønørix ... v<FONT COLOR=#FF9900>1.1 <FONT COLOR=#FFFFFF>by Dørvin › áøl "
                "<font color=#FF9900>8.0");
  EXPECT_EQ(rig.client.Lines()[1], std::string(kNarrow) + "this shit's tité, áint it?");
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

TEST(ChatBot, NoLineMatchesTwoPatterns) {
  for (const char* line : {"r", "r ", "rr 10", "rst", "brb", "brb x", "coms?", "songs?", "p 1",
                           "pause", "xpause", "v 5", "ff 1:30", "idle gone", "xidle", "ls neon"}) {
    int matches = 0;
    for (const auto& entry : CommandTable()) matches += Like(line, entry.pattern) ? 1 : 0;
    EXPECT_EQ(matches, 1) << line;
  }
}

// Random members and random owner lines: nothing crashes or hangs, and no
// other member ever gets a reply or moves the player.
TEST(ChatBot, SurvivesAHundredThousandRandomLines) {
  BotRig rig;
  rig.songs.names = {"a.mp3", "b b.mp3", ".mp3", "Love Song.mp3", "x.MP3"};
  rig.songs.selected = 1;
  std::mt19937 random(42);
  const std::vector<std::string> starts = {"p ", "r ", "v ", "ff ", "rr ", "/scroll", "/cancel",
                                           "/view", "stop", "pause", "xpause", "rst", "r", "adv",
                                           "songs?", "p 1", "p 99999", "p -1", "ff 1:", "rr :"};
  const std::string alphabet = "ab .:-0123456789e+mp3%\xC3\xA9\xE2\x80\xBA";
  for (int i = 0; i < 100000; ++i) {
    std::string line = starts[random() % starts.size()];
    for (int k = static_cast<int>(random() % 6); k > 0; --k) line += alphabet[random() % alphabet.size()];
    const bool owner = random() % 2 == 0;
    const std::size_t before = rig.client.tree.sent.size();
    const std::size_t opened = rig.media.opened.size();
    rig.bot.DispatchChatLine(owner ? "Dorvin" : "Mallory", line);
    if (!owner) {
      ASSERT_EQ(rig.client.tree.sent.size(), before) << line;
      ASSERT_EQ(rig.media.opened.size(), opened) << line;
    }
  }
  EXPECT_FALSE(rig.client.Lines().empty());
}

}  // namespace
}  // namespace sonorix

namespace sonorix {
namespace {

// Feeds every line the program types back to it as the room would show it,
// until the room falls quiet; how many rounds that took.
int RoundsUntilQuiet(testing::BotRig& rig) {
  std::size_t seen = 0;
  for (int round = 0; round < 20; ++round) {
    const auto lines = rig.client.Lines();
    if (lines.size() == seen) return round;
    for (std::size_t i = seen; i < lines.size(); ++i) rig.Say(StripTags(lines[i]));
    seen = lines.size();
  }
  return -1;
}

TEST(ChatBot, NoDecorationOrSongNameMakesARepliesLoop) {
  for (const char* ascii : {"p", "r", "adv", "", "stop", "v"}) {
    testing::BotRig rig;
    rig.settings.WriteIni("styles", "ascii", ascii, rig.settings.StyleFile("neon"));
    rig.songs.names = {"p.mp3", "r.mp3", "adv.mp3"};
    rig.media.state = PlayState::Playing;
    for (const char* line : {"p zzz", "r", "p p", "adv", "pause", "v 5"}) rig.Say(line);
    EXPECT_EQ(RoundsUntilQuiet(rig), 1) << "decoration '" << ascii << "'";
  }
}

TEST(ChatBot, OwnLinesAreIgnoredOnlyOnceAndOnlyWhenTheyComeBack) {
  testing::BotRig rig;
  rig.settings.WriteIni("styles", "ascii", "p", rig.settings.StyleFile("neon"));
  rig.Say("p zzz");
  const std::string echo = StripTags(rig.client.Lines().back());
  EXPECT_EQ(echo.rfind("p didnt find", 0), 0u);
  rig.Say(echo);
  EXPECT_EQ(rig.client.Lines().size(), 1u) << "the echo is the program's own line";
  rig.Say(echo);
  EXPECT_EQ(rig.client.Lines().size(), 2u) << "typed again by the user, it is a command";
}

TEST(StripTags, DropsEveryTagAndKeepsTheText) {
  EXPECT_EQ(StripTags(R"(<FONT COLOR=#1><font  face="a b">» <u>x</u> 1<2)"), "» x 1");
  EXPECT_EQ(StripTags("plain"), "plain");
}

}  // namespace
}  // namespace sonorix
