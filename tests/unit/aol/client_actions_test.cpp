#include "aol/client_actions.h"

#include <gtest/gtest.h>

#include <functional>

#include "fakes/fake_client.h"
#include "fakes/trace_lines.h"

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
  std::vector<FakeWindowTree::Sent> SentTo(WindowRef window) const { return tree.SentTo(window); }
  WindowRef AddDocument(const std::string& caption, std::initializer_list<const char*> children) {
    const WindowRef document = tree.AddChild(mdi, "AOL Child", caption);
    for (const char* child : children) tree.AddChild(document, child);
    tree.RaiseToTop(document);
    return document;
  }

  bool Posted(WindowRef window, WindowMessage message, std::uintptr_t wParam = 0) const {
    for (const auto& sent : SentTo(window)) {
      if (sent.message == message && sent.wParam == wParam) return true;
    }
    return false;
  }
  // From now on a click on any icon opens the client's menu on top, and
  // Enter in it its sub-menu, on top too unless `subBelow`; `eachPause`
  // runs after them, to move other windows about.
  void ServeMenus(bool subBelow = false, bool opensSubmenu = true,
                  std::function<void()> eachPause = {}) {
    clock.duringPause = [=, this] {
      for (const WindowRef icon : icons) {
        if (popup || !Posted(icon, WindowMessage::LeftButtonDown)) continue;
        popup = tree.AddTopLevel("#32768");
        tree.RaiseToTop(popup);
      }
      if (popup && !submenu && opensSubmenu && Posted(popup, WindowMessage::KeyDown, kEnter)) {
        submenu = tree.AddTopLevel("#32768");
        if (!subBelow) tree.RaiseToTop(submenu);
      }
      if (eachPause) eachPause();
    };
  }

  static constexpr std::uintptr_t kEnter = 0x0D;
  FakeClient client;
  FakeWindowTree& tree = client.tree;
  StepClock clock;
  ClientActions actions{tree, client.aol, clock};
  std::vector<WindowRef> icons;
  WindowRef keywordBox, mdi, popup, submenu;
};

TEST(ClientActions, ToolbarIconsAndMenusAreFoundByTheirNumbers) {
  ActionRig rig;
  for (int n : {0, 1, 4, 11}) EXPECT_EQ(rig.actions.FindToolbarIcon(n), rig.icons[std::size_t(n)]);
  EXPECT_FALSE(rig.actions.FindToolbarIcon(12));
  const struct {
    int menu, icon, second, downs;
  } cases[] = {{1, 3, 2, 2}, {2, 6, 1, 1}, {3, 9, 0, 0}, {4, 11, 2, 2}, {0, 0, 1, 1}, {5, 5, 2, 2}};
  for (const auto& c : cases) {
    rig.ServeMenus();
    int menu = c.menu;
    int second = c.second;
    EXPECT_TRUE(rig.actions.PickFromMenu(menu, 1, second));
    EXPECT_EQ(menu, c.icon);
    EXPECT_EQ(second, c.second - 1);
    EXPECT_EQ(rig.SentTo(rig.icons[std::size_t(c.icon)]).size(), 2u) << "posted down and up";
    EXPECT_EQ(rig.SentTo(rig.popup).size(), 6u) << "two steps down and Enter";
    EXPECT_EQ(rig.SentTo(rig.submenu).size(), 2u * static_cast<std::size_t>(c.downs + 1));
    rig.tree.Destroy(std::exchange(rig.popup, {}));
    rig.tree.Destroy(std::exchange(rig.submenu, {}));
    rig.tree.sent.clear();
  }
}

// Any program's menu has the menus' class, and Windows keeps hidden menu
// windows for reuse: only a menu of the client that the click showed counts,
// wherever it lies, even a sub-menu below the menu that opened it.
TEST(ClientActions, OnlyTheMenusTheClickShowedArePicked) {
  enum class Decoy { AnotherProgramsMenu, AMenuShownBefore, AHiddenMenu, None };
  const struct {
    const char* what;
    Decoy decoy;
    bool subBelow;
  } cases[] = {{"another program's menu", Decoy::AnotherProgramsMenu, false},
               {"a menu shown before", Decoy::AMenuShownBefore, false},
               {"a hidden menu window", Decoy::AHiddenMenu, false},
               {"a sub-menu below its menu", Decoy::None, true}};
  for (const auto& c : cases) {
    ActionRig rig;
    WindowRef decoy;
    if (c.decoy == Decoy::AMenuShownBefore || c.decoy == Decoy::AHiddenMenu) {
      decoy = rig.tree.AddTopLevel("#32768");
      rig.tree.SetVisible(decoy, c.decoy == Decoy::AMenuShownBefore);
    }
    // Each decoy lies above the client's menus once they show.
    rig.ServeMenus(c.subBelow, true, [&] {
      if (c.decoy == Decoy::AnotherProgramsMenu && rig.popup && !decoy) {
        decoy = rig.tree.AddTopLevel("#32768", "", FakeWindowTree::kClientProcess + 1);
      }
      if (decoy) rig.tree.RaiseToTop(decoy);
    });
    int menu = 0;
    int second = 2;
    EXPECT_TRUE(rig.actions.PickFromMenu(menu, 0, second)) << c.what;
    EXPECT_EQ(rig.SentTo(rig.popup).size(), 4u) << c.what << ": one step down and Enter";
    EXPECT_EQ(rig.SentTo(rig.submenu).size(), 6u) << c.what << ": two steps down and Enter";
    EXPECT_TRUE(!decoy || rig.SentTo(decoy).empty()) << c.what;
  }
}

// A wait that gives up with the client's menu open closes it again: Escape
// to each menu the click showed, and WM_CANCELMODE to the frame, which ends
// the menu of a client that wakes later. A menu shown before is the user's.
TEST(ClientActions, AMenuOpenWhenItsWaitGivesUpIsClosed) {
  ActionRig rig;
  const WindowRef before = rig.tree.AddTopLevel("#32768");
  rig.ServeMenus(false, false);
  int menu = 0;
  int second = 1;
  EXPECT_FALSE(rig.actions.PickFromMenu(menu, 0, second));
  ASSERT_TRUE(rig.popup);
  EXPECT_TRUE(rig.Posted(rig.popup, WindowMessage::KeyDown, 0x1B));
  EXPECT_TRUE(rig.Posted(rig.popup, WindowMessage::KeyUp, 0x1B));
  EXPECT_TRUE(rig.Posted(rig.tree.FindTopLevel("AOL Frame25"), WindowMessage::CancelMode));
  EXPECT_TRUE(rig.SentTo(before).empty());
}

// An icon past the toolbar's twelve, or a click the system would not post,
// opens nothing: no menu is waited for.
TEST(ClientActions, AMenuThatCannotOpenIsNotWaitedFor) {
  for (const bool refused : {false, true}) {
    ActionRig rig;
    rig.ServeMenus();
    rig.tree.refusesPosts = refused;
    int menu = refused ? 0 : 12;
    int second = 1;
    EXPECT_FALSE(rig.actions.PickFromMenu(menu, 0, second)) << refused;
    EXPECT_EQ(rig.clock.now, StepClock{}.now) << refused;
    EXPECT_FALSE(rig.popup) << refused;
    EXPECT_TRUE(rig.tree.sent.empty()) << refused;
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

// Each wait on a window the client never shows ends after its own bound,
// and leaves a trace line saying which wait it was.
TEST(ClientActions, WindowsThatNeverOpenCostOnlyTheirBound) {
  const struct {
    const char* what;
    std::function<bool(ClientActions&)> act;
    double bound;
    const char* trace;
  } cases[] = {
      {"menu",
       [](ClientActions& a) {
         int m = 0, s = 1;
         return a.PickFromMenu(m, 0, s);
       },
       ClientWaits{}.menu, "menu did not show within 3 s"},
      {"new mail", [](ClientActions& a) { return a.OpenMailbox("NEW"); }, ClientWaits{}.mailbox,
       "mail box did not open within 10 s"},
      {"instant message", [](ClientActions& a) { return a.SendIM("$IMs_Off", "ON!"); },
       ClientWaits{}.imWindow, "instant message window did not open within 5 s"},
  };
  for (const auto& c : cases) {
    ActionRig rig;
    const TraceLines trace;
    const double start = rig.clock.now;
    EXPECT_FALSE(c.act(rig.actions)) << c.what;
    EXPECT_GE(rig.clock.now - start, c.bound) << c.what;
    EXPECT_LT(rig.clock.now - start, c.bound + 1) << c.what;
    EXPECT_EQ(trace.Lines(), std::vector<std::string>{c.trace});
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

// An instant message window with this many icons opens on the first click.
void ServeIMWindow(ActionRig& rig, int icons, WindowRef& im) {
  rig.clock.duringPause = [&rig, icons, &im] {
    if (im || rig.SentTo(rig.icons[4]).empty()) return;
    im = rig.AddDocument("Send Instant Message", {"_AOL_Static", "_AOL_Edit", "RICHCNTL"});
    for (int i = 0; i < icons; ++i) rig.tree.AddChild(im, "_AOL_Icon");
  };
}

// Only a box that came after the message is the client's answer, and it is
// pressed by its OK button's id: the caption is in the system's language.
TEST(ClientActions, AnInstantMessageIsTypedSentAndOnlyItsAnswerPressed) {
  ActionRig rig;
  const WindowRef earlier = rig.tree.AddTopLevel("#32770", "America Online");
  const WindowRef earlierOk = rig.tree.AddChild(earlier, "Button", "Aceptar", 1);
  WindowRef im;
  ServeIMWindow(rig, 14, im);
  WindowRef ok;
  rig.tree.onSent = [&](const FakeWindowTree::Sent& message) {
    if (message.message != WindowMessage::KeyUp || !im) return;
    WindowRef twelfth;
    for (int i = 0; i < 12; ++i) twelfth = rig.tree.FindChild(im, twelfth, "_AOL_Icon");
    if (message.window != twelfth) return;
    const WindowRef box = rig.tree.AddTopLevel("#32770", "America Online");
    rig.tree.AddChild(box, "Button", "Ayuda", 9);
    ok = rig.tree.AddChild(box, "Button", "Aceptar", 1);
  };
  EXPECT_TRUE(rig.actions.SendIM("$IMs_Off", "OFF!"));
  EXPECT_EQ(rig.tree.Text(rig.tree.FindChild(im, {}, "_AOL_Edit")), "$IMs_Off");
  EXPECT_EQ(rig.tree.Text(rig.tree.FindChild(im, {}, "RICHCNTL")), "OFF!");
  ASSERT_TRUE(ok);
  EXPECT_EQ(rig.SentTo(ok).size(), 2u);
  EXPECT_TRUE(rig.SentTo(earlierOk).empty());
  EXPECT_EQ(rig.SentTo(im).back().message, WindowMessage::Close);
}

// A search after the last child would start again from the first: a window
// with fewer children than the one sought yields nothing, and nothing is
// clicked.
TEST(ClientActions, AWindowShortOfTheChildSoughtHasNoneClicked) {
  ActionRig rig;
  WindowRef im;
  ServeIMWindow(rig, 7, im);
  EXPECT_FALSE(rig.actions.SendIM("$IMs_Off", "ON!"));
  ASSERT_TRUE(im);
  for (WindowRef icon = rig.tree.FindChild(im, {}, "_AOL_Icon"); icon;
       icon = rig.tree.FindChild(im, icon, "_AOL_Icon")) {
    EXPECT_TRUE(rig.SentTo(icon).empty());
  }
  const WindowRef mailbox = rig.AddDocument("Mailbox", {"_AOL_Glyph", "_AOL_Icon", "_AOL_Image"});
  const WindowRef tabs = rig.tree.AddChild(mailbox, "_AOL_TabControl");
  const WindowRef newMail = rig.tree.AddChild(rig.tree.AddChild(tabs, "_AOL_TabPage"), "_AOL_Tree");
  EXPECT_EQ(rig.actions.FindMailTree("new"), newMail);
  EXPECT_FALSE(rig.actions.FindMailTree("old"));
  EXPECT_FALSE(rig.actions.FindMailTree("sent"));
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
