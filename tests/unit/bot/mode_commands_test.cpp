#include "bot/mode_commands.h"

#include <gtest/gtest.h>

#include "aolsim/chat_markup.h"
#include "fakes/fake_bot_parts.h"

namespace sonorix {
namespace {

using namespace testing;

constexpr char kCapital[] =
    R"(<FONT COLOR=#FF9900><font  face="arial narrow">» <FONT COLOR=#FFFFFF>)";

TEST(ModeCommands, TogglesKeepAtMostOneModeOnAndSayWhatChanged) {
  BotRig rig;
  rig.Say("cont");
  rig.Say("cont");
  EXPECT_TRUE(rig.modes.Continuous());
  rig.Say("ARAND");
  EXPECT_TRUE(rig.modes.AutoRandom());
  EXPECT_FALSE(rig.modes.Continuous());
  rig.Say("xcont");
  rig.Say("xarand");
  rig.Say("xarand");
  EXPECT_EQ(rig.client.Lines(),
            (std::vector<std::string>{
                Narrow("áutø pláy thréw énábléd"), Narrow("áutø pláy thréw álréády énábléd"),
                Narrow("áutø rándøm énábléd"), Narrow("áutø pláy thréw álréády disábléd"),
                Narrow("áutø rándøm disábléd"), Narrow("áutø rándøm álréády disábléd")}));
  EXPECT_EQ(rig.modes.AutoRandomCaption(), " auto rand : off");
  EXPECT_EQ(rig.modes.ContinuousCaption(), " cont. : off");
}

TEST(ModeCommands, ClearChatEmptiesTheTranscriptThenRepliesAndIsSilentWithoutARoom) {
  BotRig rig;
  const WindowRef transcript = rig.client.aol.FindTranscript(rig.client.room);
  rig.client.tree.SetWindowText(transcript, "Bob:\thello\r\nDorvin:\tcc\r\n");
  rig.Say("cc");
  EXPECT_EQ(rig.client.tree.Text(transcript), "");
  EXPECT_EQ(rig.client.Lines(),
            std::vector<std::string>{std::string(kCapital) + "chát cléáréd, før yøu átléást"});
  rig.client.tree.Destroy(rig.client.room);
  rig.client.tree.sent.clear();
  rig.Say("cc");
  EXPECT_TRUE(rig.client.tree.sent.empty()) << "no room, no reply";
}

// The room as the stand-in shows it, with a transcript that no clear empties.
TEST(ModeCommands, AClearTheClientIgnoresReplaysNoEarlierLine) {
  BotRig rig;
  rig.client.EchoTyping([](std::string_view html) { return aolsim::StripTags(html); });
  rig.client.tree.fixedText.insert(rig.client.aol.FindTranscript(rig.client.room).handle);
  rig.client.Type("coms?");
  rig.scan.Start();
  for (const char* line : {"cc", "cc"}) {
    rig.client.Type(line);
    for (int i = 0; i < 25; ++i) rig.scan.Poll();
  }
  EXPECT_EQ(rig.client.Lines(),
            std::vector<std::string>(2, std::string(kCapital) + "chát cléáréd, før yøu átléást"));
}

TEST(ModeCommands, CountsTheCommandListLines) {
  BotRig rig;
  rig.Say("coms?");
  rig.Say("comsz");
  rig.Say("coms");
  EXPECT_EQ(
      rig.client.Lines(),
      (std::vector<std::string>(2, std::string(kCapital) + "this prøg hás <b>40</b> cømmánds")));
}

}  // namespace
}  // namespace sonorix
