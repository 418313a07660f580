#include "chattext/look_lines.h"
#include "wine/look_fixture.h"

namespace sonorix {
namespace {

using namespace sonorix::testing;

// Answers what "make" asks, in order: the help box, the name box, then the
// five colour pickers.
void AnswerPresetMaking(const std::wstring& name, const std::vector<COLORREF>& colours,
                        std::wstring& help, std::wstring& offered) {
  const HWND box = WaitForDialog();
  help = DialogText(box);
  Press(box, IDOK);
  WaitUntil([&] { return !IsWindow(box); }, 10s);
  const HWND ask = WaitForDialog([](HWND dialog) { return GetDlgItem(dialog, 100) != nullptr; });
  wchar_t text[64] = {};
  GetDlgItemTextW(ask, 100, text, 64);
  offered = text;
  SetDlgItemTextW(ask, 100, name.c_str());
  Press(ask, IDOK);
  WaitUntil([&] { return !IsWindow(ask); }, 10s);
  for (const COLORREF colour : colours) AnswerColourPicker(IDOK, colour);
}

TEST_F(LookWindowsTest, PresetWindowMakesSwitchesAndDeletesPresets) {
  Replies("vpre", 1);
  ASSERT_EQ(app_->ControlPanel(), nullptr) << "no menu was opened before the colour dialog";
  PresetWindow& form = *app_->Presets();
  EXPECT_EQ(form.List()->Texts(), (Lines{"default", "night"}));
  EXPECT_EQ(ListTextColour(form.Hwnd()), RGB(0, 0, 0)) << "the list takes the current preset's";

  std::wstring help, offered;
  std::thread make([&] {
    AnswerPresetMaking(L"sky",
                       {RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12), RGB(13, 14, 15)},
                       help, offered);
  });
  PressButton(form, L"make");
  make.join();
  EXPECT_EQ(help,
            L"preset make \\\\\r\nthe first 2 color boxes are for fade.\r\nthe third box is "
            L"for the label color.\r\nthe fourth box is for the list color.\r\nthe fifth "
            L"box is for the button color.");
  EXPECT_EQ(offered, L"no more then 12 characters");
  const char* const keys[] = {"NAME", "FADE1", "FADE2", "LABEL", "LIST", "BUTTON"};
  const char* const values[] = {"sky", "197121", "394500", "591879", "789258", "986637"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Read("presets\\sky.ini", "preset", keys[i]), values[i]);
  EXPECT_EQ(form.List()->Texts(), (Lines{"default", "night", "sky"}));

  Select(form, "night");
  EXPECT_EQ(form.TextColour(form.Preview(0)), RGB(0, 0, 255));
  EXPECT_EQ(form.TextColour(form.Preview(1)), kNightList);
  EXPECT_EQ(SaysOnce([&] { PressButton(form, L"&switch"); }),
            PresetSwitchAnnouncement(kTestStyle, "night"));
  EXPECT_EQ(ListTextColour(Player()), kNightList);
  EXPECT_EQ(ListTextColour(form.Hwnd()), kNightList);

  EXPECT_EQ(BoxOf([&] { PressButton(form, L"del"); }),
            L"Cannot delete, because its already loaded as your custom preset.");
  EXPECT_TRUE(Exists("presets\\night.ini"));
  Select(form, "sky");
  EXPECT_EQ(BoxOf([&] { PressButton(form, L"del"); }), L"Preset : sky.ini as been deleted.");
  EXPECT_FALSE(Exists("presets\\sky.ini"));
  EXPECT_EQ(form.List()->Texts(), (Lines{"default", "night"}));

  EXPECT_EQ(SaysOnce([&] { PressButton(form, L"&close"); }), PresetsClosedAnnouncement(kTestStyle));
  EXPECT_FALSE(form.IsShown());
  EXPECT_TRUE(IsWindowVisible(Player()));
}

TEST_F(LookWindowsTest, PresetNamesThatCannotBeFileNamesOrACancelMakeNothing) {
  Replies("vpre", 1);
  PresetWindow& form = *app_->Presets();
  for (const wchar_t* name : {L"..\\ini files\\sonorix", L""}) {
    std::wstring help, offered, refusal;
    std::atomic<bool> done{false};
    std::thread make([&] {
      AnswerPresetMaking(name, {}, help, offered);
      const HWND box = WaitForDialog();
      refusal = DialogText(box);
      Press(box, IDOK);
      done = true;
    });
    PressButton(form, L"make");
    Pump([&] { return done.load(); }, 40s);
    make.join();
    EXPECT_EQ(refusal, Utf8ToWide(kUnusableNameMessage));
  }
  std::thread cancel([] {
    Press(WaitForDialog(), IDOK);
    Press(WaitForDialog([](HWND dialog) { return GetDlgItem(dialog, 100) != nullptr; }), IDCANCEL);
  });
  PressButton(form, L"make");
  cancel.join();
  EXPECT_EQ(form.List()->Texts(), (Lines{"default", "night"}));
  EXPECT_EQ(Read("ini files\\sonorix.ini", "preset", "NAME"), "");
  EXPECT_FALSE(Exists("presets\\.ini"));

  // A colour cancelled half way is no preset: nothing is written.
  std::thread partly([] {
    std::wstring help, offered;
    AnswerPresetMaking(L"sky", {RGB(1, 2, 3), RGB(4, 5, 6)}, help, offered);
    AnswerColourPicker(IDCANCEL);
  });
  PressButton(form, L"make");
  partly.join();
  EXPECT_FALSE(Exists("presets\\sky.ini"));
  EXPECT_EQ(form.List()->Texts(), (Lines{"default", "night"}));
}

TEST_F(LookWindowsTest, StyleListAndMakerMakeSwitchAndDeleteStyles) {
  Replies("vsty", 1);
  StyleListWindow& list = *app_->Styles();
  EXPECT_EQ(list.List()->Texts(), (Lines{"neon", "sonorix"}));
  Select(list, "neon");
  EXPECT_EQ(LookFrame::TextOf(list.Preview(0)), "~");
  EXPECT_EQ(LookFrame::TextOf(list.Preview(1)), "00FF00");
  EXPECT_EQ(LookFrame::TextOf(list.Preview(2)), "0000FF");
  EXPECT_EQ(list.TextColour(list.Preview(0)), RGB(0, 255, 0));
  EXPECT_EQ(list.TextColour(list.Preview(2)), RGB(0, 0, 255));

  EXPECT_EQ(SaysOnce([&] { PressButton(list, L"make"); }), StyleMakerOpenAnnouncement(kTestStyle));
  StyleMakerWindow& maker = *app_->StyleMaker();
  EXPECT_FALSE(list.IsShown());
  EXPECT_EQ(BoxOf([&] { PressButton(maker, L"make"); }), L"Please fill in the name of your style.");
  // Colours are kept as typed, "#" and all, as the chat takes them.
  const char* const typed[] = {"sea", "¤ ", "#0000FF", "00ffff"};
  const HWND fields[] = {maker.NameField(), maker.AsciiField(), maker.AccentField(),
                         maker.FontColourField()};
  for (int i = 0; i < 4; ++i) SetWindowTextW(fields[i], Utf8ToWide(typed[i]).c_str());
  const Style sea{"", "", "#0000FF", "¤ ", "00ffff"};
  EXPECT_EQ(SaysOnce([&] { PressButton(maker, L"preview"); }), StylePreviewLine(sea, "sea"));
  EXPECT_EQ(SaysOnce([&] { PressButton(maker, L"make"); }),
            StyleSavedAnnouncement(kTestStyle, "sea"));
  EXPECT_EQ(Read("styles\\sea.ini", "styles", "FCOLOR"), "00ffff");
  EXPECT_EQ(Read("styles\\sea.ini", "styles", "STYLE"), "sea");
  EXPECT_EQ(ProfileStore().Read("Sonorix", "style", folder_->SettingsFile()), "sonorix");
  EXPECT_TRUE(list.IsShown());
  EXPECT_FALSE(maker.IsShown());
  EXPECT_EQ(list.List()->Texts(), (Lines{"neon", "sea", "sonorix"}));

  Select(list, "neon");
  EXPECT_EQ(SaysOnce([&] { PressButton(list, L"&switch"); }),
            StyleSwitchAnnouncement(kNeon, "neon"));
  EXPECT_EQ(BoxOf([&] { PressButton(list, L"del"); }),
            L"Cannot delete, because its already loaded as your custom style.");
  EXPECT_TRUE(Exists("styles\\neon.ini"));
  Select(list, "sea");
  EXPECT_EQ(BoxOf([&] { PressButton(list, L"del"); }), L"style : sea.ini as been deleted.");
  EXPECT_FALSE(Exists("styles\\sea.ini"));

  // Cancel makes nothing, so the list is not read again: its choice stays.
  Select(list, "neon");
  PressButton(list, L"make");
  SetWindowTextW(maker.NameField(), L"typed");
  EXPECT_EQ(SaysOnce([&] { PressButton(maker, L"cancel"); }), StyleMakerClosedAnnouncement(kNeon));
  EXPECT_TRUE(list.IsShown());
  EXPECT_EQ(SendMessageW(list.List()->Hwnd(), LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(LookFrame::TextOf(maker.NameField()), "");
  EXPECT_EQ(SaysOnce([&] { PressButton(list, L"&close"); }), StylesClosedAnnouncement(kNeon));
  EXPECT_TRUE(IsWindowVisible(Player()));

  // Opened again, the previews show their labels, not the last style seen.
  Replies("vsty", 1);
  EXPECT_EQ(LookFrame::TextOf(list.Preview(0)), "ascii");
  EXPECT_EQ(LookFrame::TextOf(list.Preview(2)), "fcolor");
  EXPECT_EQ(list.TextColour(list.Preview(0)), GetSysColor(COLOR_WINDOWTEXT));
}

}  // namespace
}  // namespace sonorix
