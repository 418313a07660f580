#include <gtest/gtest.h>

#include <chrono>

#include "aol/client_actions.h"
#include "aol/win32/bounded_window_api.h"
#include "core/win32/win32_clock.h"
#include "testutil.h"
#include "wine/aolsim_process.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using testing::AolSimProcess;
using testing::WaitUntil;

HWND Mdi() {
  return FindWindowExA(FindWindowA("AOL Frame25", nullptr), nullptr, "MDIClient", nullptr);
}

// How many pop-up menus the client shows.
int ShownClientMenus() {
  DWORD client = 0;
  GetWindowThreadProcessId(FindWindowA("AOL Frame25", nullptr), &client);
  int shown = 0;
  for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu != nullptr;
       menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) {
    DWORD process = 0;
    GetWindowThreadProcessId(menu, &process);
    shown += process == client && IsWindowVisible(menu);
  }
  return shown;
}

// The stand-in client's windows driven through the bounded window API, as
// the program drives them.
class ClientActionsTest : public ::testing::Test {
 protected:
  // The page of the mail box that shows, counted from 0, or -1.
  int OpenPage() {
    const HWND box = FindWindowExA(Mdi(), nullptr, "AOL Child", "Mailbox");
    const HWND tabs = FindWindowExA(box, nullptr, "_AOL_TabControl", nullptr);
    HWND page = nullptr;
    for (int i = 0; i < 3; ++i) {
      page = FindWindowExA(tabs, page, "_AOL_TabPage", nullptr);
      if (IsWindowVisible(page)) return i;
    }
    return -1;
  }

  AolSimProcess client_{"--name \"Dorvin Q\" --room Lobby"};
  BoundedWindowApi windows_;
  AolClient aol_{windows_};
  Win32Clock clock_;
  ClientActions actions_{windows_, aol_, clock_};
};

TEST_F(ClientActionsTest, EachMailBoxOpensOnItsTabOnceItsListHasLoaded) {
  ASSERT_TRUE(client_.Started());
  const struct {
    const char* kind;
    int page;
    const char* tab;
  } cases[] = {{"OLD", 1, "old"}, {"new", 0, "new"}, {"sent", 2, "sent"}};
  for (const auto& c : cases) {
    EXPECT_TRUE(actions_.OpenMailbox(c.kind)) << c.kind;
    EXPECT_EQ(OpenPage(), c.page) << c.kind;
    EXPECT_EQ(actions_.ListCount(actions_.FindMailTree(c.tab)), 10) << c.kind;
  }
}

// Windows may keep a menu above the sub-menu it opened, or a hidden menu
// window above both; either way the mail boxes are picked from the menu,
// which is then gone.
TEST_F(ClientActionsTest, MailBoxesArePickedFromMenusInAnyOrder) {
  ASSERT_TRUE(client_.Started());
  for (const std::string quirk : {"menu-on-top", "hidden-menu"}) {
    ASSERT_TRUE(client_.Command("quirk " + quirk));
    EXPECT_TRUE(actions_.OpenMailbox("old")) << quirk;
    EXPECT_EQ(OpenPage(), 1) << quirk;
    EXPECT_TRUE(actions_.OpenMailbox("sent")) << quirk;
    EXPECT_EQ(OpenPage(), 2) << quirk;
    EXPECT_TRUE(WaitUntil([] { return ShownClientMenus() == 0; }, 5s)) << quirk;
  }
  EXPECT_FALSE(IsWindowVisible(FindWindowA("#32768", nullptr))) << "the hidden one comes first";
}

// The mail item is greyed, so its sub-menu never opens: the menu the wait
// gave up on is closed.
TEST_F(ClientActionsTest, AMenuLeftOpenWhenItsWaitGivesUpIsClosed) {
  ASSERT_TRUE(client_.Started());
  ASSERT_TRUE(client_.Command("ignore submenu"));
  EXPECT_FALSE(actions_.OpenMailbox("old"));
  EXPECT_TRUE(WaitUntil([] { return ShownClientMenus() == 0; }, 5s));
}

TEST_F(ClientActionsTest, ARunningTransferIsReadFromItsWindow) {
  ASSERT_TRUE(client_.Started());
  EXPECT_FALSE(actions_.FindTransfer());
  ASSERT_TRUE(client_.Command("transfer big song.mp3"));
  ASSERT_TRUE(WaitUntil([&] { return actions_.FindTransfer()->percent == "20%"; }, 10s));
  const auto transfer = actions_.FindTransfer();
  EXPECT_EQ(transfer->fileName, "big song.mp3");
  EXPECT_EQ(transfer->remaining, "About 4 minutes");
}

// Told never to show them, the client leaves each wait to its bound; an
// instant message window whose answer box never comes stays for the user.
TEST_F(ClientActionsTest, WindowsTheClientNeverShowsEndTheirWaits) {
  ASSERT_TRUE(client_.Started());
  ASSERT_TRUE(client_.Command("ignore menu"));
  ASSERT_TRUE(client_.Command("ignore mail"));
  EXPECT_FALSE(actions_.OpenMailbox("old"));
  EXPECT_FALSE(actions_.OpenMailbox("new"));
  EXPECT_FALSE(FindWindowExA(Mdi(), nullptr, "AOL Child", "Mailbox"));
  ASSERT_TRUE(client_.Command("ignore box"));
  EXPECT_FALSE(actions_.SendIM("$IMs_Off", "ON!"));
  EXPECT_TRUE(actions_.FindIMWindow());
}

}  // namespace
}  // namespace sonorix
