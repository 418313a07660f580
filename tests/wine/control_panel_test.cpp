#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "aol/aol_client.h"
#include "aol/win32/user32_window_api.h"
#include "aolsim/chat_markup.h"
#include "chattext/chat_line.h"
#include "chattext/look_lines.h"
#include "chattext/song_lines.h"
#include "chattext/text_helpers.h"
#include "core/win32/code_page.h"
#include "core/win32/profile_store.h"
#include "look/control_panel.h"
#include "testutil.h"
#include "wine/dialogs.h"
#include "wine/program_fixture.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using namespace sonorix::testing;

const Style& kStyle = kTestStyle;

class ControlPanelTest : public ProgramTest {
 protected:
  void SetUp() override { StartWith({{"cbr128.mp3", "a.mp3"}, {"mono.mp3", "b.mp3"}}); }

  // The one reply a command draws.
  std::string Type(const std::string& command) {
    const Lines replies = Replies(command, 1);
    return replies.empty() ? "" : replies.front();
  }
};

TEST_F(ControlPanelTest, MenuButtonOpensTheFirstMenuWhoseUnloadEndsTheProgramWithoutAWord) {
  {
    MenuDriver driver({VK_ESCAPE});
    Click(L"m&enu");
    EXPECT_EQ(driver.captions, (Lines{"-", " presets", " styles", "-", " setup dir", " refresh dir",
                                      "-", " setup fade", " setup color", "-", " minimize",
                                      " unload me", "-", " cancel ...", "-"}));
  }
  app_->ControlPanel()->Choose(MenuEntry::Unload);
  EXPECT_EQ(app_->Run(), 0);
  // A click runs to its end before it returns, the typing of any line
  // with it: nothing can come later.
  Click(L"random");
  EXPECT_EQ(Sent().size(), 2u) << "nothing goes to the room once the program ends";
}

TEST_F(ControlPanelTest, RightPressOnTheListOpensTheSecondMenuAndItsModeEntriesSwitch) {
  {
    MenuDriver driver({VK_DOWN, VK_DOWN, VK_RETURN});
    const HWND list = app_->Player()->Songs().Hwnd();
    SendMessageW(app_->Player()->Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), 0);
    EXPECT_EQ(driver.captions, (Lines{"-", " about", "-", " auto rand : off", " cont. : off", "-",
                                      " cancel ...", "-"}));
    EXPECT_EQ(driver.defaultItem, 1) << "\" about\" is the default entry";
  }
  EXPECT_TRUE(app_->Modes().AutoRandom());
  ASSERT_TRUE(Pump([&] { return Sent().size() == 3; }, 5s));
  EXPECT_EQ(Sent()[2], ChatLine(kStyle, "auto random enabled"));
  app_->ControlPanel()->Choose(MenuEntry::Continuous);
  EXPECT_TRUE(app_->Modes().Continuous());
  EXPECT_FALSE(app_->Modes().AutoRandom());
  app_->ControlPanel()->Choose(MenuEntry::Continuous);
  EXPECT_FALSE(app_->Modes().Continuous());
  // Whatever switching off said would come before the next entry's line.
  app_->ControlPanel()->Choose(MenuEntry::Presets);
  ASSERT_TRUE(Pump([&] { return Sent().back() == PresetsAnnouncement(kStyle); }, 5s));
  EXPECT_EQ(Sent()[Sent().size() - 2], ChatLine(kStyle, "auto play threw enabled"))
      << "off is silent";
}

TEST_F(ControlPanelTest, ChatTogglesDriveRealEndsOfSongs) {
  EXPECT_EQ(Type("cont"), ChatLine(kStyle, "auto play threw enabled"));
  app_->Player()->Songs().Select(0);
  const std::size_t before = Sent().size();
  Click(L"play");
  ASSERT_TRUE(Pump([&] { return Sent().size() == before + 2; }, 15s)) << "play, then the next song";
  EXPECT_EQ(Sent().back(), EndOfSongPlayAnnouncement(kStyle, "b.mp3"));
  EXPECT_EQ(Type("arand"), ChatLine(kStyle, "auto random enabled"));
  const std::string random = ChatLine(kStyle, "random ›") + " <FONT COLOR=#";
  const auto randomStarted = [&] {
    const Lines sent = Sent();
    return std::any_of(sent.begin(), sent.end(),
                       [&](const auto& l) { return l.starts_with(random); });
  };
  EXPECT_TRUE(Pump(randomStarted, 15s)) << "b ends, a random one starts";
  EXPECT_EQ(Type("xarand"), ChatLine(kStyle, "auto random disabled"));
}

TEST_F(ControlPanelTest, ClearChatLeavesTheReplyAsTheFirstLineAndComsCountsForty) {
  const std::string reply = Type("cc");
  EXPECT_EQ(reply, NarrowCapitalLine(kStyle, "chat cleared, for you atleast"));
  User32WindowApi windows;
  AolClient aol(windows);
  EXPECT_TRUE(aol.GetText(aol.FindTranscript(aol.FindChatRoom()))
                  .starts_with("Dorvin Q:\t" + aolsim::StripTags(reply) + "\r\n"));
  EXPECT_EQ(Type("coms?"),
            NarrowCapitalLine(kStyle, "this prog has") + " <b>40</b> " + AccentText("commands"));
}

std::string PresetValue(const ProgramFolder& folder, const char* key) {
  return ProfileStore().Read("preset", key, folder.Path() + "\\presets\\default.ini");
}

TEST_F(ControlPanelTest, ColourSetUpsWriteThePresetAndRecolourThePlayer) {
  std::thread fade([] {
    AnswerColourPicker(IDOK, RGB(255, 0, 0));
    AnswerColourPicker(IDOK, RGB(0, 0, 255));
  });
  MenuDriver open({VK_ESCAPE});
  Click(L"m&enu");  // the control panel is made the first time a menu opens
  app_->ControlPanel()->Choose(MenuEntry::SetupFade);
  fade.join();
  EXPECT_EQ(PresetValue(*folder_, "fade1"), "255");
  EXPECT_EQ(PresetValue(*folder_, "fade2"), "16711680");
  const HWND strip =
      FindWindowExW(app_->Player()->Hwnd(), nullptr, L"Sonorix Title Strip", nullptr);
  RECT rect{};
  GetWindowRect(strip, &rect);
  COLORREF left = 0;
  ASSERT_TRUE(Pump(
      [&] {
        const HDC screen = GetDC(nullptr);
        left = GetPixel(screen, rect.left, (rect.top + rect.bottom) / 2);
        ReleaseDC(nullptr, screen);
        return GetRValue(left) > 200 && GetBValue(left) < 60;
      },
      5s))
      << "the strip now fades from red, not from the preset's black: " << std::hex << left;

  // Cancel is no colour: the set-up ends there and writes nothing.
  const std::string label = PresetValue(*folder_, "label"), list = PresetValue(*folder_, "list");
  std::thread colours([] { AnswerColourPicker(IDCANCEL); });
  app_->ControlPanel()->Choose(MenuEntry::SetupColor);
  colours.join();
  EXPECT_EQ(PresetValue(*folder_, "label"), label);
  EXPECT_EQ(PresetValue(*folder_, "list"), list);
}

// The dialog lets the chat run meanwhile: a preset switched there gets
// the colour, and the one current when the dialog opened keeps its own.
TEST_F(ControlPanelTest, APickGoesToThePresetSwitchedToWhileTheDialogIsOpen) {
  WritePrivateProfileStringA("preset", "NAME", "night",
                             (folder_->Path() + "\\presets\\night.ini").c_str());
  MenuDriver open({VK_ESCAPE});
  Click(L"m&enu");
  std::thread pick([&] {
    WaitForDialog();
    const std::size_t before = Sent().size();
    client_.Command("type lp night");
    WaitUntil([&] { return Sent().size() == before + 2; }, 10s);
    AnswerColourPicker(IDOK, RGB(0, 128, 0));
    AnswerColourPicker(IDCANCEL);
  });
  app_->ControlPanel()->Choose(MenuEntry::SetupFade);
  pick.join();
  EXPECT_EQ(ProfileStore().Read("preset", "fade1", folder_->Path() + "\\presets\\night.ini"),
            "32768");
  EXPECT_EQ(PresetValue(*folder_, "fade1"), "0");
  app_->ControlPanel()->Choose(MenuEntry::Presets);
  ASSERT_NE(app_->Presets(), nullptr);
  EXPECT_TRUE(app_->Presets()->IsShown());
  EXPECT_FALSE(IsWindowVisible(app_->Player()->Hwnd()));
}

TEST_F(ControlPanelTest,
       FolderEntriesRereadTheFolderWindowEntriesAnnounceAboutTakesThePlayersPlace) {
  const std::string music = MakeMusicFolder({{"cbr128.mp3", "one.mp3"}});
  ASSERT_TRUE(ProfileStore().Write("Sonorix", "mp3 dir", music, folder_->SettingsFile()));
  app_->Player()->Songs().SetFolder(music);
  MenuDriver open({VK_ESCAPE});
  Click(L"m&enu");
  // Cancel keeps the folder and its songs; the picker is modal to the player.
  HWND owner = nullptr;
  std::thread cancel([&] {
    const HWND picker = WaitForDialog();
    owner = GetWindow(picker, GW_OWNER);
    Press(picker, IDCANCEL);
  });
  app_->ControlPanel()->Choose(MenuEntry::SetupDir);
  cancel.join();
  EXPECT_EQ(owner, app_->Player()->Hwnd());
  EXPECT_EQ(ProfileStore().Read("Sonorix", "mp3 dir", folder_->SettingsFile()), music);
  EXPECT_EQ(app_->Player()->Songs().Count(), 1);

  CopyFileA(TestMp3("mono.mp3").c_str(), (music + "\\two.mp3").c_str(), FALSE);
  EXPECT_EQ(app_->Player()->Songs().Count(), 1);
  app_->ControlPanel()->Choose(MenuEntry::RefreshDir);
  EXPECT_EQ(app_->Player()->Songs().Count(), 2);

  app_->ControlPanel()->Choose(MenuEntry::Presets);
  app_->ControlPanel()->Choose(MenuEntry::Cancel);
  app_->ControlPanel()->Choose(MenuEntry::Styles);
  ASSERT_TRUE(Pump([&] { return Sent().back() == StylesAnnouncement(kStyle); }, 5s));
  EXPECT_EQ(Sent(),
            (Lines{Sent()[0], Sent()[1], PresetsAnnouncement(kStyle), StylesAnnouncement(kStyle)}))
      << "cancel says nothing";

  app_->ControlPanel()->Choose(MenuEntry::About);
  EXPECT_FALSE(IsWindowVisible(app_->Player()->Hwnd()));
  EXPECT_TRUE(IsWindowVisible(app_->About().Hwnd()));
  SendMessageW(app_->About().Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindowVisible(app_->Player()->Hwnd()));
}

TEST_F(ControlPanelTest, MinimizeGoesToTheTrayAndTheIconBringsThePlayerBack) {
  MenuDriver open({VK_ESCAPE});
  Click(L"m&enu");
  app_->ControlPanel()->Choose(MenuEntry::Minimize);
  EXPECT_FALSE(IsWindowVisible(app_->Player()->Hwnd()));
  EXPECT_STREQ(app_->Tray().TrayIconData().szTip, "Sonorix") << "nothing plays";
  const HWND player = app_->Player()->Hwnd();
  SendMessageW(player, WM_MOUSEMOVE, 0, MAKELPARAM(WM_LBUTTONDOWN, 0));
  EXPECT_FALSE(IsWindowVisible(player)) << "a single click does nothing";
  SendMessageW(player, WM_MOUSEMOVE, 0, MAKELPARAM(WM_RBUTTONDOWN, 0));
  EXPECT_TRUE(IsWindowVisible(player));

  app_->Player()->Songs().Select(1);
  Click(L"play");
  ASSERT_TRUE(Pump([&] { return Sent().size() == 3; }, 10s));
  app_->ControlPanel()->Choose(MenuEntry::Minimize);
  EXPECT_STREQ(app_->Tray().TrayIconData().szTip, "Sonorix : b.mp3");
  SendMessageW(player, WM_MOUSEMOVE, 0, MAKELPARAM(WM_LBUTTONDBLCLK, 0));
  EXPECT_TRUE(IsWindowVisible(player));
}

// Explorer's restart takes every icon with it and then tells each
// top-level window; Wine's taskbar never restarts, so the icon is taken
// away here as the old taskbar's end would.
TEST_F(ControlPanelTest, AfterANewTaskbarTheIconIsThereAgain) {
  MenuDriver open({VK_ESCAPE});
  Click(L"m&enu");
  app_->ControlPanel()->Choose(MenuEntry::Minimize);
  const HWND player = app_->Player()->Hwnd();
  ASSERT_FALSE(IsWindowVisible(player)) << "the shell took the icon";
  NOTIFYICONDATAA data = app_->Tray().TrayIconData();
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
  ASSERT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &data)) << "the icon is gone";

  PostMessageW(player, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(Pump([&] { return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE; }, 10s));
  EXPECT_FALSE(IsWindowVisible(player));
  SendMessageW(player, WM_MOUSEMOVE, 0, MAKELPARAM(WM_LBUTTONDBLCLK, 0));
  EXPECT_TRUE(IsWindowVisible(player));
}

}  // namespace
}  // namespace sonorix
