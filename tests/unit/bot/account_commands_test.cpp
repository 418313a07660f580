#include "bot/account_commands.h"

#include <gtest/gtest.h>

#include "fakes/fake_bot_parts.h"

namespace sonorix {
namespace {

using namespace testing;
using Lines = std::vector<std::string>;

// The client's answer box, shown when a room request reaches the client.
struct RefusingClient {
  explicit RefusingClient(BotRig& rig, std::string answer) : rig(rig) {
    auto& tree = rig.client.tree;
    const WindowRef frame = tree.FindTopLevel("AOL Frame25");
    const WindowRef inner = tree.AddChild(tree.AddChild(frame, "AOL Toolbar"), "_AOL_Toolbar");
    keywordBox = tree.AddChild(tree.AddChild(inner, "_AOL_Combobox"), "Edit");
    tree.onSent = [this, answer = std::move(answer)](const testing::FakeWindowTree::Sent& message) {
      auto& tree = this->rig.client.tree;
      if (message.window == keywordBox && message.message == WindowMessage::Char &&
          message.wParam == 13 && !answer.empty()) {
        const WindowRef box = tree.AddTopLevel("#32770", "America Online");
        tree.AddChild(box, "Static", "Something else");
        tree.AddChild(box, "Static", answer);
        // Captioned in the system's language.
        tree.AddChild(box, "Button", "Cancelar", 2);
        ok = tree.AddChild(box, "Button", "Aceptar", 1);
      }
    };
  }
  int Presses() const {
    int presses = 0;
    for (const auto& message : rig.client.tree.sent) presses += message.window == ok;
    return presses;
  }

  BotRig& rig;
  WindowRef keywordBox, ok;
};

TEST(AccountCommands, PrivateRoomAnswersAreToldAndPressedOnce) {
  const std::string room = "Back Room <FONT COLOR=#FFFFFF";
  const struct {
    std::string_view answer;
    std::string reply;
  } cases[] = {
      {kRateLimitAnswer, Condensed("reached › <FONT COLOR=#FF9900>rate limits")},
      {kNotAllowedAnswer,
       Condensed("private room › <FONT COLOR=#FF9900>" + room + ">is not allowed")},
      {kRoomFullAnswer, Condensed("private room › <FONT COLOR=#FF9900>" + room + ">is full")},
      {kInvalidRoomAnswer, Condensed("private room › <FONT COLOR=#FF9900>" + room + ">is invalid")},
  };
  for (const auto& c : cases) {
    BotRig rig;
    RefusingClient client(rig, std::string(c.answer));
    rig.Say("PR Back Room");
    EXPECT_EQ(rig.client.Lines(),
              (Lines{Condensed("entering › <FONT COLOR=#FF9900>Back Room"), c.reply}));
    EXPECT_EQ(client.Presses(), 2) << "key down and up: one press";
    EXPECT_EQ(rig.clock.pauses, std::vector<double>{1.0});
  }
}

TEST(AccountCommands, ARoomEnteredOrAnUnknownAnswerGetsOnlyTheFirstLine) {
  for (const std::string answer : {"", "The name you entered is too long."}) {
    BotRig rig;
    RefusingClient client(rig, answer);
    rig.Say("pr Back Room");
    EXPECT_EQ(rig.client.Lines().size(), 1u);
    EXPECT_EQ(client.Presses(), 0);
  }
}

// A client that never shows the mail box or the message window, or has no
// keyword box: the room is told it did not work, never that it did.
TEST(AccountCommands, KeywordCaptionSayWhatTheyDidAndClientWindowsThatNeverOpenSaySo) {
  BotRig rig;
  rig.Say("kw Music Chat");
  const RefusingClient client(rig, "");
  const WindowRef frame = rig.client.tree.FindTopLevel("AOL Frame25");
  rig.Say("kw Music Chat");
  rig.Say("aocap Dorvin's Own");
  rig.Say("omail");
  rig.Say("imsoff");
  EXPECT_EQ(rig.client.tree.Text(frame), "Dorvin's Own");
  EXPECT_EQ(rig.client.Lines(),
            (Lines{Condensed("keyword › <FONT COLOR=#FF9900>Music Chat"),
                   Condensed("érør › kéywørd did nøt wørk"),
                   Condensed("keyword › <FONT COLOR=#FF9900>Music Chat"),
                   Condensed("néw cáptiøn › <u>Dørvin's Own</u>"),
                   Condensed("viéwing <u>øld</u> spám"), Condensed("érør › máil did nøt wørk"),
                   Condensed("érør › instánt mésságés did nøt wørk")}));
}

}  // namespace
}  // namespace sonorix
