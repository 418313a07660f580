#include <fstream>

#include "chattext/look_lines.h"
#include "core/win32/code_page.h"
#include "look/look_files.h"
#include "wine/look_fixture.h"

namespace sonorix {
namespace {

using namespace sonorix::testing;

TEST_F(LookWindowsTest, LookCommandsAnswerByteForByteAndTakeEffectAtOnce) {
  EXPECT_EQ(Replies("ls NEO", 1), Lines{Condensed(kNeon, "stylé sét › <FONT COLOR=#00FF00>néøn")});
  EXPECT_EQ(Replies("ls zz", 1), Lines{Condensed(kNeon, "stylé › <FONT COLOR=#00FF00>nøt føund")})
      << "the very next reply speaks in the new style";
  EXPECT_EQ(Replies("ls  sonorix ", 1),
            Lines{Condensed(kTestStyle, "stylé sét › <FONT COLOR=#FF9900>sønørix")});
  EXPECT_EQ(Replies("lp nig", 1),
            Lines{Condensed(kTestStyle, "prését sét › <FONT COLOR=#FF9900>night")});
  EXPECT_EQ(ListTextColour(Player()), kNightList);
  EXPECT_TRUE(Pump(
      [&] {
        const COLORREF left = StripColourAtLeft(Player());
        return GetRValue(left) > 200 && GetBValue(left) < 60;
      },
      5s))
      << "the strip fades from the preset's red";
  EXPECT_EQ(Replies("lp day", 1),
            Lines{Condensed(kTestStyle, "prését › <FONT COLOR=#FF9900>nøt føund")});
  EXPECT_EQ(ProfileStore().Read("Sonorix", "preset", folder_->SettingsFile()), "night");
}

TEST_F(LookWindowsTest, WindowCommandsSwapThePlayerForTheirWindow) {
  const auto reply = [](const char* said, const char* word) {
    return Lines{Condensed(kTestStyle, std::string(said) + " <u>" + word + "</u>")};
  };
  EXPECT_EQ(Replies("xcmds", 1), reply("álréády hiddén", "cømmánds"));
  EXPECT_EQ(Replies("vcmds", 1), reply("viéwing", "cømmánds"));
  EXPECT_TRUE(app_->CommandList().IsVisible());
  EXPECT_FALSE(IsWindowVisible(Player()));
  EXPECT_EQ(Replies("vcmds", 1), reply("álréády shøwing", "cømmánds"));
  EXPECT_EQ(Replies("xcmds", 1), reply("hiddén", "cømmánds"));
  EXPECT_TRUE(IsWindowVisible(Player()));
  EXPECT_EQ(Replies("vsty", 1), reply("viéwing", "stylés"));
  ASSERT_NE(app_->Styles(), nullptr);
  EXPECT_TRUE(app_->Styles()->IsShown());
  EXPECT_EQ(Replies("xsty", 1), reply("hiddén", "stylés"));
  EXPECT_EQ(Replies("xsty", 1), reply("álréády hiddén", "stylés"));
  EXPECT_EQ(Replies("vpre", 1), reply("viéwing", "préséts"));
  ASSERT_NE(app_->Presets(), nullptr);
  EXPECT_TRUE(app_->Presets()->IsShown());
  EXPECT_FALSE(IsWindowVisible(Player()));
  EXPECT_EQ(Replies("vpre", 1), reply("álréády shøwing", "préséts"));
  EXPECT_EQ(Replies("xpre", 1), reply("hiddén", "préséts"));
  EXPECT_FALSE(app_->Presets()->IsShown());
  EXPECT_TRUE(IsWindowVisible(Player()));
}

TEST_F(LookWindowsTest, MissingOrGarbledLookFilesKeepEveryWindowUsable) {
  std::ofstream(folder_->Path() + "\\presets\\broken.ini", std::ios::binary)
      << "[preset]\r\nNAME=broken\r\nFADE1=red\r\nFADE2=99999999999\r\nLIST=-5\r\n\x01[[\r\n";
  std::ofstream(folder_->Path() + "\\styles\\odd.ini", std::ios::binary)
      << "[styles]\r\nSTYLE=odd\r\nACOLOR=zz\r\n\x7f\r\n";
  EXPECT_EQ(Replies("lp brok", 1).size(), 1u);
  EXPECT_EQ(ListTextColour(Player()), RGB(0, 0, 0)) << "colours that are none show black";
  Replies("vpre", 1);
  PresetWindow& presets = *app_->Presets();
  EXPECT_EQ(presets.List()->Texts(), (Lines{"broken", "default", "night"}));
  Select(presets, "broken");
  EXPECT_EQ(presets.TextColour(presets.Preview(1)), RGB(0, 0, 0));
  ASSERT_TRUE(ProfileStore().Write("Sonorix", "preset", "gone", folder_->SettingsFile()));
  EXPECT_EQ(SaysOnce([&] { PressButton(presets, L"&close"); }),
            PresetsClosedAnnouncement(kTestStyle));
  Replies("vpre", 1);
  EXPECT_TRUE(presets.IsShown()) << "opens on a preset whose file is gone";
  Select(presets, "night");
  EXPECT_EQ(SaysOnce([&] { PressButton(presets, L"&switch"); }),
            PresetSwitchAnnouncement(kTestStyle, "night"));
  Replies("xpre", 1);

  const Style odd{"odd", "odd", "zz", "", ""};
  EXPECT_EQ(Replies("ls odd", 1), Lines{Condensed(odd, "stylé sét › <FONT COLOR=#zz>ødd")});
  Replies("vsty", 1);
  StyleListWindow& styles = *app_->Styles();
  Select(styles, "odd");
  EXPECT_EQ(LookFrame::TextOf(styles.Preview(1)), "zz");
  EXPECT_EQ(SaysOnce([&] { PressButton(styles, L"&close"); }), StylesClosedAnnouncement(odd));
  EXPECT_TRUE(IsWindowVisible(Player()));
}

// Names come from inside the files. One that may not be a file name is
// listed, but is never made current, read, written or deleted; the current
// look's own file is kept whatever case its name is listed in.
TEST_F(LookWindowsTest, HostileOrCaseTwinLookNamesNeverReachAFile) {
  std::ofstream(folder_->Path() + "\\presets\\evil.ini", std::ios::binary)
      << "[preset]\r\nNAME=..\\..\\outside\r\nLABEL=255\r\n";
  std::ofstream(folder_->Path() + "\\styles\\port.ini", std::ios::binary)
      << "[styles]\r\nSTYLE=com1\r\n";
  std::ofstream(folder_->Path() + "\\styles\\twin.ini", std::ios::binary)
      << "[styles]\r\nSTYLE=SONORIX\r\n";
  EXPECT_EQ(Replies("lp outside", 1),
            Lines{Condensed(kTestStyle, "prését › <FONT COLOR=#FF9900>nøt føund")});
  Replies("vpre", 1);
  PresetWindow& presets = *app_->Presets();
  Select(presets, "..\\..\\outside");
  EXPECT_EQ(BoxOf([&] { PressButton(presets, L"&switch"); }), Utf8ToWide(kUnusableNameMessage));
  EXPECT_EQ(BoxOf([&] { PressButton(presets, L"del"); }), Utf8ToWide(kUnusableNameMessage));
  EXPECT_TRUE(Exists("presets\\evil.ini"));
  Replies("xpre", 1);
  EXPECT_EQ(ProfileStore().Read("Sonorix", "preset", folder_->SettingsFile()), "default");

  Replies("vsty", 1);
  StyleListWindow& styles = *app_->Styles();
  Select(styles, "com1");
  EXPECT_EQ(BoxOf([&] { PressButton(styles, L"&switch"); }), Utf8ToWide(kUnusableNameMessage));
  Select(styles, "SONORIX");
  EXPECT_EQ(BoxOf([&] { PressButton(styles, L"del"); }),
            L"Cannot delete, because its already loaded as your custom style.");
  EXPECT_TRUE(Exists("styles\\sonorix.ini"));
  EXPECT_EQ(ProfileStore().Read("Sonorix", "style", folder_->SettingsFile()), "sonorix");
}

}  // namespace
}  // namespace sonorix
