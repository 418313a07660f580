#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <iostream>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/win32/message_pump.h"
#include "core/win32/win32_clock.h"
#include "testutil.h"
#include "ui/win32/drag_window.h"
#include "ui/win32/msg_box_ex.h"
#include "ui/win32/timed_message_box.h"
#include "ui/win32/tray_icon.h"
#include "ui/win32/twips.h"
#include "ui/win32/window.h"
#include "wine/dialogs.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using namespace sonorix::testing;

bool Pump(const std::function<bool()>& predicate, std::chrono::milliseconds timeout = 20s) {
  return WaitUntil(predicate, timeout, [] { PumpPendingMessages(); });
}

std::wstring Caption(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

// Boxes that keep coming would hold the test's thread in their event loops
// for good; closing their owner takes them all away.
void CloseCarrier() { PostMessageW(FindWindowW(kTimedMessageBoxClass, nullptr), WM_CLOSE, 0, 0); }

bool CarrierLoaded() { return FindWindowW(kTimedMessageBoxClass, nullptr) != nullptr; }

// A window of the test's thread. Its 1 ms timer shows, seen from another
// thread, that the thread's timers (the carrier's among them) keep falling
// due while a box's loop runs there; asked to, it calls MsgBoxEx, as a
// handler running inside the open box's event loop would.
class TestThreadWindow final : public Window {
 public:
  TestThreadWindow() {
    EXPECT_TRUE(
        CreateWindowOfClass(L"Sonorix Test Thread", 0, WS_POPUP, RECT{0, 0, 10, 10}, nullptr));
    SetTimer(Hwnd(), 1, 1, nullptr);
  }
  static constexpr UINT kCall = WM_APP + 1;

  // From another thread: whether a second box is up once the timer has
  // fired three more times, as a carrier's tick raising one would have.
  bool SecondBoxAppears() const {
    const int from = ticks_;
    WaitUntil([&] { return ticks_ >= from + 3; }, 20s);
    return Dialogs().size() > 1;
  }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_TIMER) ++ticks_;
    if (message == kCall) MsgBoxEx("third", "later");
    return message == WM_TIMER || message == kCall ? 0 : Default(message, wParam, lParam);
  }

 private:
  std::atomic<int> ticks_{0};
};

// What a box showed, read from another thread while the test's thread is
// inside the box's own event loop.
struct SeenBox {
  std::wstring text;
  std::wstring title;
  bool onScreen = false;
  bool secondBoxAppeared = false;
};

SeenBox ReadAndClose(const TestThreadWindow& thread) {
  SeenBox seen;
  const HWND box = WaitForDialog();
  if (box == nullptr) return seen;
  seen.text = DialogText(box);
  seen.title = Caption(box);
  RECT rect{};
  GetWindowRect(box, &rect);
  seen.onScreen = rect.left >= 0 && rect.top >= 0 && rect.right <= GetSystemMetrics(SM_CXSCREEN) &&
                  rect.bottom <= GetSystemMetrics(SM_CYSCREEN);
  seen.secondBoxAppeared = thread.SecondBoxAppears();
  Press(box, IDOK);
  if (seen.secondBoxAppeared) CloseCarrier();
  return seen;
}

TEST(MsgBoxEx, TwoCallsInOneActionShowOneBoxWithTheSecondTextsALaterCallAnother) {
  const TestThreadWindow thread;
  MsgBoxEx("first message", "first title");
  MsgBoxEx("Preset \"night\" saved", "Sonorix");
  EXPECT_TRUE(Dialogs().empty());
  const HWND carrier = FindWindowW(kTimedMessageBoxClass, nullptr);
  ASSERT_NE(carrier, nullptr);
  RECT rect{};
  GetWindowRect(carrier, &rect);
  EXPECT_GE(rect.left, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_GE(rect.top, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_TRUE(GetWindowLongW(carrier, GWL_EXSTYLE) & WS_EX_TOPMOST);

  SeenBox seen;
  std::thread closer([&] { seen = ReadAndClose(thread); });
  EXPECT_TRUE(Pump([] { return !CarrierLoaded(); }));
  closer.join();
  EXPECT_EQ(seen.text, L"Preset \"night\" saved");
  EXPECT_EQ(seen.title, L"Sonorix");
  EXPECT_TRUE(seen.onScreen);
  EXPECT_FALSE(seen.secondBoxAppeared);
  EXPECT_TRUE(Pump([] { return Dialogs().empty(); }, 2s));

  // The carrier is gone: a later call makes a fresh one, with its own box.
  MsgBoxEx("later", "Sonorix");
  std::thread again([&] { seen = ReadAndClose(thread); });
  EXPECT_TRUE(Pump([] { return !CarrierLoaded(); }));
  again.join();
  EXPECT_EQ(seen.text, L"later");
}

TEST(MsgBoxEx, AWaitAfterTheCallShowsTheBoxAndLastsUntilItIsClosed) {
  constexpr double kWait = 0.1;
  std::atomic<bool> waitReturned{false};
  std::atomic<bool> closed{false};
  bool seenDuringWait = false;
  Win32Clock clock;
  std::thread closer([&] {
    const HWND box = WaitForDialog();
    const double shown = clock.Seconds();
    seenDuringWait = box != nullptr && !waitReturned;
    // The wait began before the box showed: once its length has passed
    // since then, only the box can be keeping it.
    WaitUntil([&] { return clock.Seconds() > shown + kWait; }, 10s);
    closed = true;
    Press(box, IDOK);
  });
  MsgBoxEx("Style saved", "Sonorix");
  clock.Pause(kWait);
  waitReturned = true;
  EXPECT_TRUE(closed);
  closer.join();
  EXPECT_TRUE(seenDuringWait);
  EXPECT_TRUE(Pump([] { return !CarrierLoaded(); }, 2s));
}

TEST(MsgBoxEx, ACallWhileTheBoxIsOpenGetsItsOwnBoxAfterIt) {
  const TestThreadWindow thread;
  SeenBox first;
  SeenBox second;
  std::thread closer([&] {
    const HWND box = WaitForDialog();
    first.text = DialogText(box);
    SendMessageW(thread.Hwnd(), TestThreadWindow::kCall, 0, 0);
    first.secondBoxAppeared = thread.SecondBoxAppears();
    Press(box, IDOK);
    if (first.secondBoxAppeared) CloseCarrier();
    WaitUntil([&] { return !IsWindow(box); }, 20s);
    second = ReadAndClose(thread);
  });
  MsgBoxEx("first", "Sonorix");
  EXPECT_TRUE(Pump([] { return !CarrierLoaded(); }));
  closer.join();
  EXPECT_EQ(first.text, L"first");
  EXPECT_FALSE(first.secondBoxAppeared);
  EXPECT_EQ(second.text, L"third");
  EXPECT_EQ(second.title, L"later");
}

// A title-less window like the program's, placed in twips.
class Plain final : public Window {
 public:
  Plain(int left, int top, int width = 2950, int height = 1515) {
    EXPECT_TRUE(CreateWindowOfClass(L"Sonorix Test Plain", WS_EX_TOOLWINDOW, WS_POPUP,
                                    TwipsRect(left, top, width, height), nullptr));
    ShowWindow(Hwnd(), SW_SHOWNOACTIVATE);
  }
  RECT Rect() const {
    RECT rect{};
    GetWindowRect(Hwnd(), &rect);
    return rect;
  }
  int handled = 0;
  static constexpr UINT kCount = WM_APP + 2;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kCount) ++handled;
    return Default(message, wParam, lParam);
  }
};

TEST(SnapToEdges, SlidesAWindowReleasedNearTheLeftEdgeToItHandlingEventsOnTheWay) {
  Plain window(300, 4500);
  ASSERT_EQ(window.Rect().left, TwipsToPixelsX(300));
  const int top = window.Rect().top;
  PumpPendingMessages();
  PostMessageW(window.Hwnd(), Plain::kCount, 0, 0);
  SnapToEdges(window.Hwnd());
  EXPECT_EQ(window.Rect().left, 0);
  EXPECT_EQ(window.Rect().top, top);
  EXPECT_EQ(window.handled, 1);

  Plain away(405, 4500);
  SnapToEdges(away.Hwnd());
  EXPECT_EQ(away.Rect().left, TwipsToPixelsX(405));
}

using Sides = std::array<LONG, 4>;
Sides SidesOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

Sides PlaceInParent(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return SidesOf(rect);
}

LONG FontHeight(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight;
}

// Dragged to a monitor at twice the scale, a window takes the rectangle the
// system suggests, and its controls (those inside a control too) grow with
// it, fonts included; back on the first monitor all is as it was.
TEST(DpiChange, TheWindowTakesTheSuggestedPlaceAndItsControlsScaleWithIt) {
  Plain window(600, 600);
  const HWND label = CreateWindowExW(0, L"STATIC", L"x", WS_CHILD | WS_VISIBLE, 10, 20, 100, 30,
                                     window.Hwnd(), nullptr, nullptr, nullptr);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  const HWND inner = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 4, 6, 40, 10, label,
                                     nullptr, nullptr, nullptr);
  const LONG height = FontHeight(label);
  const RECT before = window.Rect();
  const int dpi = TwipsToPixelsY(1440);

  RECT suggested{before.left + 1000, before.top + 50, 0, 0};
  suggested.right = suggested.left + 2 * (before.right - before.left);
  suggested.bottom = suggested.top + 2 * (before.bottom - before.top);
  SendMessageW(window.Hwnd(), WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(SidesOf(window.Rect()), SidesOf(suggested));
  EXPECT_EQ(PlaceInParent(label), (Sides{20, 40, 220, 100}));
  EXPECT_EQ(PlaceInParent(inner), (Sides{8, 12, 88, 32}));
  EXPECT_EQ(FontHeight(label), 2 * height);

  SendMessageW(window.Hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
               reinterpret_cast<LPARAM>(&before));
  EXPECT_EQ(SidesOf(window.Rect()), SidesOf(before));
  EXPECT_EQ(PlaceInParent(label), (Sides{10, 20, 110, 50}));
  EXPECT_EQ(FontHeight(label), height);
}

TEST(SnapToEdges, StopsWhenAHandlerClosesTheWindowDuringTheSlide) {
  Plain window(-3000, 4500);
  const HWND handle = window.Hwnd();
  PostMessageW(handle, WM_CLOSE, 0, 0);
  SnapToEdges(handle);
  EXPECT_FALSE(IsWindow(handle));
}

// Also run under a Cyrillic and a Japanese system code page (see the test
// list): the ANSI record holds the tip in the system's own code page, and a
// tip too long for it loses whole characters only.
TEST(TrayIcon, FillsTheRecordInTheSystemsCodePageAndHidesTheWindowUntilRestored) {
  struct Case {
    unsigned codePage;
    const char* word;
    std::string bytes;
    int repeats;       // for a tip of 70 characters
    std::size_t kept;  // of its bytes
  };
  const Case cases[] = {{1252, "Песня", "?????", 14, 63},
                        {1251, "Песня", "\xCF\xE5\xF1\xED\xFF", 14, 63},
                        {932, "音楽", "\x89\xB9\x8A\x79", 35, 62}};
  const Case* found = nullptr;
  for (const auto& c : cases) found = c.codePage == GetACP() ? &c : found;
  ASSERT_NE(found, nullptr) << "no case for code page " << GetACP();
  std::string tip, bytes;
  for (int i = 0; i < found->repeats; ++i) {
    tip += found->word;
    bytes += found->bytes;
  }

  Plain window(5000, 5000);
  const HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
  TrayIcon tray;
  const bool added = tray.TrayAdd(icon, tip, window.Hwnd());
  const NOTIFYICONDATAA& data = tray.TrayIconData();
  EXPECT_EQ(data.cbSize, offsetof(NOTIFYICONDATAA, szTip) + 64);
  EXPECT_EQ(data.hWnd, window.Hwnd());
  EXPECT_EQ(data.uID, 1u);
  EXPECT_EQ(data.uFlags, 7u);
  EXPECT_EQ(data.uCallbackMessage, 0x200u);
  EXPECT_EQ(data.hIcon, icon);
  EXPECT_EQ(std::string(data.szTip), bytes.substr(0, found->kept));

  // Without a notification area the shell refuses; then the window must
  // stay where the user can reach it.
  EXPECT_EQ(IsWindowVisible(window.Hwnd()) != FALSE, !added);
  if (added) {
    tray.TrayRestore(window.Hwnd());
    EXPECT_TRUE(IsWindowVisible(window.Hwnd()));
    EXPECT_FALSE(tray.TrayRemove());
  }
  std::cout << "[ INFO     ] the shell " << (added ? "took" : "refused") << " the icon\n";
}

// A shell that keeps icons by id, loses them all when it restarts, and
// can refuse every call.
struct RestartingShell {
  std::set<UINT> icons;
  bool refuses = false;
  ShellNotify Call() {
    return [this](DWORD message, NOTIFYICONDATAA& data) {
      if (refuses) return false;
      if (message == NIM_ADD) return icons.insert(data.uID).second;
      if (message == NIM_MODIFY) return icons.count(data.uID) == 1;
      return icons.erase(data.uID) == 1;
    };
  }
};

TEST(TrayIcon, ANewTaskbarGetsTheIconAgainOrTheWindowComesBack) {
  RestartingShell shell;
  Plain window(5000, 5000);
  TrayIcon tray(shell.Call());
  ASSERT_TRUE(tray.TrayAdd(LoadIconA(nullptr, IDI_APPLICATION), "Sonorix", window.Hwnd()));
  ASSERT_FALSE(IsWindowVisible(window.Hwnd()));

  shell.icons.clear();
  tray.OnTaskbarCreated(window.Hwnd());
  EXPECT_EQ(shell.icons, std::set<UINT>{1});
  EXPECT_FALSE(IsWindowVisible(window.Hwnd()));
  tray.OnTaskbarCreated(window.Hwnd());
  EXPECT_EQ(shell.icons, std::set<UINT>{1}) << "a taskbar that kept the icon";
  EXPECT_FALSE(IsWindowVisible(window.Hwnd()));

  shell.icons.clear();
  shell.refuses = true;
  tray.OnTaskbarCreated(window.Hwnd());
  EXPECT_TRUE(IsWindowVisible(window.Hwnd()));

  shell.refuses = false;
  tray.OnTaskbarCreated(window.Hwnd());
  EXPECT_TRUE(shell.icons.empty()) << "no icon was wanted any more";
  ASSERT_TRUE(tray.TrayAdd(LoadIconA(nullptr, IDI_APPLICATION), "Sonorix", window.Hwnd()));
  tray.TrayRestore(window.Hwnd());
  tray.OnTaskbarCreated(window.Hwnd());
  EXPECT_TRUE(shell.icons.empty()) << "the player is back: no icon";
}

}  // namespace
}  // namespace sonorix
