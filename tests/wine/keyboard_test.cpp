// Every window worked from the keyboard alone, as a dialog box is: Tab, the
// window's own letters, Enter and Esc.
#include "chattext/look_lines.h"
#include "chattext/song_lines.h"
#include "wine/look_fixture.h"

namespace sonorix {
namespace {

using namespace sonorix::testing;

// Keys as the keyboard delivers them: to the control that has the focus,
// through the program's own message loop.
void PressKey(UINT key) {
  const HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, key, 0);
  PostMessageW(focus, WM_KEYUP, key, 0);
}

void TypeText(const wchar_t* text) {
  for (const wchar_t* c = text; *c != L'\0'; ++c) PostMessageW(GetFocus(), WM_CHAR, *c, 0);
}

// A control the user can see: never a hidden or zero-sized stand-in.
bool FocusIsVisible() {
  const HWND focus = GetFocus();
  RECT rect{};
  GetWindowRect(focus, &rect);
  return focus != nullptr && IsWindowVisible(focus) && rect.right > rect.left &&
         rect.bottom > rect.top;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

TEST_F(LookWindowsTest, ThePlayerIsWorkedByTabAndEnterWithTheFocusInSight) {
  SetForegroundWindow(Player());
  ASSERT_TRUE(Pump([] { return GetFocus() != nullptr; }, 5s));
  EXPECT_EQ(GetFocus(), FindWindowExW(Player(), nullptr, L"ListBox", nullptr))
      << "the list is the first stop";
  SendMessageW(GetFocus(), LB_SETCURSEL, 0, 0);
  const std::size_t before = Sent().size();
  PressKey(VK_RETURN);
  ASSERT_TRUE(Pump([&] { return Sent().size() > before; }, 10s)) << "Enter plays the selection";
  EXPECT_EQ(Sent().back(), PlayAnnouncement(kTestStyle, PlayWord::Button, 0, "a.mp3"));

  // Tab walks the list, the progress bar, then the five buttons in order.
  std::vector<std::wstring> stops;
  for (int i = 0; i < 7; ++i) {
    const HWND from = GetFocus();
    PressKey(VK_TAB);
    ASSERT_TRUE(Pump([&] { return GetFocus() != from; }, 5s)) << "stop " << i;
    EXPECT_TRUE(FocusIsVisible());
    wchar_t caption[32] = {};
    GetWindowTextW(GetFocus(), caption, 32);
    stops.push_back(ClassOf(GetFocus()) == L"Button" ? caption : ClassOf(GetFocus()));
  }
  EXPECT_EQ(stops, (std::vector<std::wstring>{L"Sonorix Progress", L"play", L"m&enu", L"stop",
                                              L"random", L"&close", L"ListBox"}));

  // A mouse click leaves the focus on the button pressed, never on a hidden one.
  Click(L"stop");
  EXPECT_TRUE(FocusIsVisible());
}

TEST_F(LookWindowsTest, TheStyleMakerTakesTypingAtOnceAndTabMovesOn) {
  Replies("vsty", 1);
  EXPECT_EQ(ClassOf(GetFocus()), L"ListBox") << "a list window opens on its list";
  EXPECT_EQ(SaysOnce([&] { PressButton(*app_->Styles(), L"make"); }),
            StyleMakerOpenAnnouncement(kTestStyle));
  StyleMakerWindow& maker = *app_->StyleMaker();
  ASSERT_TRUE(Pump([&] { return GetFocus() == maker.NameField(); }, 5s));
  TypeText(L"mine");
  PressKey(VK_TAB);
  ASSERT_TRUE(Pump([&] { return GetFocus() == maker.AsciiField(); }, 5s));
  TypeText(L"x");
  ASSERT_TRUE(Pump([&] { return LookFrame::TextOf(maker.AsciiField()) == "x"; }, 5s));
  EXPECT_EQ(LookFrame::TextOf(maker.NameField()), "mine");

  // Enter makes the style; a field left empty takes the focus back once
  // its box is closed.
  std::atomic<bool> answered = false;
  std::thread answer([&] {
    Press(WaitForDialog(), IDOK);
    answered = true;
  });
  PressKey(VK_RETURN);
  EXPECT_TRUE(Pump([&] { return answered.load(); }, 20s));
  answer.join();
  EXPECT_TRUE(Pump([&] { return GetFocus() == maker.AccentField(); }, 5s));
  EXPECT_EQ(SaysOnce([] { PressKey(VK_ESCAPE); }), StyleMakerClosedAnnouncement(kTestStyle))
      << "Esc is the maker's cancel";
  EXPECT_FALSE(maker.IsShown());
}

TEST_F(LookWindowsTest, EscClosesTheCommandListAndTheListsSwitchOnEnter) {
  Replies("vcmds", 1);
  ASSERT_TRUE(app_->CommandList().IsVisible());
  SetForegroundWindow(app_->CommandList().Hwnd());
  ASSERT_TRUE(Pump([&] { return IsChild(app_->CommandList().Hwnd(), GetFocus()); }, 5s));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(Pump([&] { return !app_->CommandList().IsVisible(); }, 5s));
  EXPECT_TRUE(IsWindowVisible(Player()));

  Replies("vpre", 1);
  PresetWindow& presets = *app_->Presets();
  ASSERT_TRUE(Pump([&] { return GetFocus() == presets.List()->Hwnd(); }, 5s));
  Select(presets, "night");
  EXPECT_EQ(SaysOnce([] { PressKey(VK_RETURN); }), PresetSwitchAnnouncement(kTestStyle, "night"));
  // Alt and the underlined letter press the button: Alt+S is "&switch".
  EXPECT_EQ(SaysOnce([] { PostMessageW(GetFocus(), WM_SYSCHAR, L's', 1 << 29); }),
            PresetSwitchAnnouncement(kTestStyle, "night"));
  EXPECT_EQ(SaysOnce([] { PressKey(VK_ESCAPE); }), PresetsClosedAnnouncement(kTestStyle));
  EXPECT_FALSE(presets.IsShown());
}

}  // namespace
}  // namespace sonorix
