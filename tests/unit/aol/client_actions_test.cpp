#include "aol/client_actions.h"

#include <gtest/gtest.h>

#include <functional>

#include "fakes/fake_client.h"

namespace sonorix {
namespace {

using testing::FakeClient;
using testing::FakeWindowTree;

class StepClock final : public Clock {
 public:
  double Seconds() const override { return now; }
  void Pause(double seconds) override {
    now += seconds;
    if (duringPause) duringPause();
  }
  std::string ShortDateText() const override { return ""; }
  std::string LongTimeText() const override { return ""; }
  double now = 86399.9;  // a wait that starts just before midnight
  std::function<void()> duringPause;
};

// A client with a toolbar of twelve icons and a keyword box.
struct ActionRig {
  ActionRig() {
    const WindowRef frame = tree.FindTopLevel("AOL Frame25");
    const WindowRef inner = tree.AddChild(tree.AddChild(frame, "AOL Toolbar"), "_AOL_Toolbar");
    for (int i = 0; i < 12; ++i) icons.push_back(tree.AddChild(inner, "_AOL_Icon"));
    keywordBox = tree.AddChild(tree.AddChild(inner, "_AOL_Combobox"), "Edit");
    mdi = tree.FindChild(frame, {}, "MDIClient");
    tree.sent.clear();
  }
  std::vector<FakeWindowTree::Sent> SentTo(WindowRef window) const {
    std::vector<FakeWindowTree::Sent> to;
    for (const auto& message : tree.sent) {
      if (message.window == window) to.push_back(message);
    }
    return to;
  }
  WindowRef AddDocument(const std::string& caption, std::initializer_list<const char*> children) {
    const WindowRef document = tree.AddChild(mdi, "AOL Child", caption);
    for (const char* child : children) tree.AddChild(document, child);
    tree.RaiseToTop(document);
    return document;
  }

  FakeClient client;
  FakeWindowTree& tree = client.tree;
  StepClock clock;
  ClientActions actions{tree, client.aol, clock};
  std::vector<WindowRef> icons;
  WindowRef keywordBox, mdi;
};

TEST(ClientActions, ToolbarIconsAndMenusAreFoundByTheirNumbers) {
  ActionRig rig;
  for (int n : {0, 1, 4, 11}) EXPECT_EQ(rig.actions.FindToolbarIcon(n), rig.icons[std::size_t(n)]);
  EXPECT_FALSE(rig.actions.FindToolbarIcon(12));
  const struct {
    int menu, icon, second, downs;
  } cases[] = {{1, 3, 2, 2}, {2, 6, 1, 1}, {3, 9, 0, 0}, {4, 11, 2, 2}, {0, 0, 1, 1}, {5, 5, 2, 2}};
  for (const auto& c : cases) {
    const WindowRef popup = rig.tree.AddTopLevel("#32768");
    WindowRef submenu;
    rig.clock.duringPause = [&] {
      if (submenu || rig.SentTo(popup).empty()) return;
      submenu = rig.tree.AddTopLevel("#32768");
      rig.tree.RaiseToTop(submenu);
    };
    int menu = c.menu;
    int second = c.second;
    EXPECT_TRUE(rig.actions.PickFromMenu(menu, 1, second));
    EXPECT_EQ(menu, c.icon);
    EXPECT_EQ(second, c.second - 1);
    EXPECT_EQ(rig.SentTo(rig.icons[std::size_t(c.icon)]).size(), 2u) << "posted down and up";
    EXPECT_EQ(rig.SentTo(popup).size(), 6u) << "two steps down and Enter";
    EXPECT_EQ(rig.SentTo(submenu).size(), 2u * static_cast<std::size_t>(c.downs + 1));
    rig.tree.Destroy(popup);
    rig.tree.Destroy(submenu);
    rig.tree.sent.clear();
  }
}

TEST(ClientActions, KeywordsAndPrivateRoomsAreTypedIntoTheKeywordBox) {
  ActionRig rig;
  rig.actions.PrivateRoom("x");
  const auto sent = rig.SentTo(rig.keywordBox);
  ASSERT_EQ(sent.size(), 4u);
  EXPECT_EQ(sent[1].text, "aol://2719:2-2-x");
  EXPECT_EQ(sent[2].wParam, 32u);
  EXPECT_EQ(sent[3].wParam, 13u);
  rig.tree.sent.clear();
  rig.tree.answers = [] { return false; };
  rig.actions.Keyword("half");
  EXPECT_TRUE(rig.SentTo(rig.keywordBox).empty())
      << "no Enter reaches a box that stopped answering";
}

TEST(ClientActions, AListIsSettledOnceTwoReadingsAgreeOrItsBoundPasses) {
  ActionRig rig;
  const WindowRef list = rig.tree.AddTopLevel("_AOL_Tree");
  double growsUntil = rig.clock.now + 2;
  rig.tree.result = [&](const FakeWindowTree::Sent&) {
    return static_cast<std::intptr_t>(std::min(rig.clock.now, growsUntil) * 10);
  };
  const double start = rig.clock.now;
  rig.actions.WaitListSettled(list);
  EXPECT_GE(rig.clock.now - start, 2.0);
  EXPECT_LT(rig.clock.now - start, 3.3);
  growsUntil = 1e9;
  const double again = rig.clock.now;
  rig.actions.WaitListSettled(list);
  EXPECT_GE(rig.clock.now - again, ClientWaits{}.list) << "a list that never settles";
  EXPECT_LT(rig.clock.now - again, ClientWaits{}.list + 1);
}

// Each wait on a window the client never shows ends after its own bound.
TEST(ClientActions, WindowsThatNeverOpenCostOnlyTheirBound) {
  const struct {
    const char* what;
    std::function<bool(ClientActions&)> act;
    double bound;
  } cases[] = {
      {"menu",
       [](ClientActions& a) {
         int m = 0, s = 1;
         return a.PickFromMenu(m, 0, s);
       },
       ClientWaits{}.menu},
      {"new mail", [](ClientActions& a) { return a.OpenMailbox("NEW"); }, ClientWaits{}.mailbox},
      {"instant message", [](ClientActions& a) { return a.SendIM("$IMs_Off", "ON!"); },
       ClientWaits{}.imWindow},
  };
  for (const auto& c : cases) {
    ActionRig rig;
    const double start = rig.clock.now;
    EXPECT_FALSE(c.act(rig.actions)) << c.what;
    EXPECT_GE(rig.clock.now - start, c.bound) << c.what;
    EXPECT_LT(rig.clock.now - start, c.bound + 1) << c.what;
  }
}

// The program ending inside a wait (its pump handles the quit) ends that
// wait there, however long its bound, and every wait after it at once.
TEST(ClientActions, WaitsGiveUpAsSoonAsTheProgramEnds) {
  ActionRig rig;
  rig.actions.SetWaits({60, 60, 60, 60, 60});
  const double start = rig.clock.now;
  rig.clock.duringPause = [&] {
    if (rig.clock.now - start >= 2) rig.clock.EndWaits();
  };
  EXPECT_FALSE(rig.actions.OpenMailbox("new"));
  EXPECT_LT(rig.clock.now - start, 2.5);
  rig.tree.sent.clear();
  EXPECT_FALSE(rig.actions.SendIM("$IMs_Off", "ON!"));
  int menu = 0, second = 1;
  EXPECT_FALSE(rig.actions.PickFromMenu(menu, 0, second));
  EXPECT_LT(rig.clock.now - start, 2.5);
  EXPECT_TRUE(rig.SentTo(rig.icons[4]).empty()) << "no click once the program ends";
}

TEST(ClientActions, AnInstantMessageIsTypedSentAndItsAnswerPressed) {
  ActionRig rig;
  WindowRef im;
  rig.clock.duringPause = [&] {
    if (!im && !rig.SentTo(rig.icons[4]).empty()) {
      im = rig.AddDocument("Send Instant Message",
                           {"_AOL_Static", "_AOL_Edit", "RICHCNTL", "_AOL_Icon", "_AOL_Icon",
                            "_AOL_Icon", "_AOL_Icon", "_AOL_Icon", "_AOL_Icon", "_AOL_Icon",
                            "_AOL_Icon", "_AOL_Icon", "_AOL_Icon", "_AOL_Icon", "_AOL_Icon"});
    }
  };
  WindowRef button;
  rig.tree.onSent = [&](const FakeWindowTree::Sent& message) {
    if (message.message != WindowMessage::KeyUp || !im) return;
    WindowRef twelfth;
    for (int i = 0; i < 12; ++i) twelfth = rig.tree.FindChild(im, twelfth, "_AOL_Icon");
    if (message.window != twelfth) return;
    button = rig.tree.AddChild(rig.tree.AddTopLevel("#32770", "America Online"), "Button", "OK");
  };
  EXPECT_TRUE(rig.actions.SendIM("$IMs_Off", "OFF!"));
  EXPECT_EQ(rig.tree.Text(rig.tree.FindChild(im, {}, "_AOL_Edit")), "$IMs_Off");
  EXPECT_EQ(rig.tree.Text(rig.tree.FindChild(im, {}, "RICHCNTL")), "OFF!");
  ASSERT_TRUE(button);
  EXPECT_EQ(rig.SentTo(button).size(), 2u);
  EXPECT_EQ(rig.SentTo(im).back().message, WindowMessage::Close);
}

TEST(ClientActions, TheOnlyTransferWindowIsFoundInOnePassOverEmptyCaptions) {
  ActionRig rig;
  EXPECT_FALSE(rig.actions.FindTransfer());
  const WindowRef transfer = rig.AddDocument("File Transfer - 5%", {});
  rig.tree.AddChild(transfer, "_AOL_Static", "Now Downloading Now Downloading a.mp3");
  rig.tree.AddChild(transfer, "_AOL_Static", "About 2 minutes remaining.");
  rig.AddDocument("", {});
  const auto found = rig.actions.FindTransfer();
  ASSERT_TRUE(found);
  EXPECT_EQ(found->fileName, "a.mp3");
  EXPECT_EQ(found->percent, "5%");
  EXPECT_EQ(found->remaining, "About 2 minutes");
}

}  // namespace
}  // namespace sonorix
