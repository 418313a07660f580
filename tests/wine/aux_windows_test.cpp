#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chattext/command_registry.h"
#include "core/settings.h"
#include "fakes/memory_settings_store.h"
#include "ui/title_fade.h"
#include "ui/win32/about_box.h"
#include "ui/win32/command_list_window.h"
#include "ui/win32/gdi.h"
#include "ui/win32/twips.h"
#include "wine/canvas.h"

namespace sonorix {
namespace {

using testing::Canvas;
using testing::MemorySettingsStore;

struct PresetColours {
  const char* name;
  Colour fade1, fade2, label, list;
};
// Neither preset's label or list colour occurs in either gradient.
const PresetColours kRedToBlue{"warm", Colour{0x0000FF}, Colour{0xFF0000}, Colour{0x00FFFF},
                               Colour{0x008000}};
const PresetColours kGreenToWhite{"cool", Colour{0x00FF00}, Colour{0xFFFFFF}, Colour{0xFF00FF},
                                  Colour{0x800080}};

void UsePreset(Settings& settings, const PresetColours& preset) {
  const std::string file = settings.PresetFile(preset.name);
  settings.WriteIni("preset", "name", preset.name, file);
  settings.WriteIni("preset", "fade1", std::to_string(preset.fade1.bgr), file);
  settings.WriteIni("preset", "fade2", std::to_string(preset.fade2.bgr), file);
  settings.WriteIni("preset", "label", std::to_string(preset.label.bgr), file);
  settings.WriteIni("preset", "list", std::to_string(preset.list.bgr), file);
  settings.WriteIni("preset", "button", "0", file);
  settings.WriteMain(kPresetKey, preset.name);
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

RECT ClientOf(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return rect;
}

// The strip's gradient as its own painting draws it, left and right edge.
std::pair<COLORREF, COLORREF> StripEdges(TitleStrip& strip) {
  const RECT client = ClientOf(strip.Hwnd());
  const Canvas canvas(client.right, client.bottom);
  strip.PaintContent(canvas.Dc(), client);
  return {canvas.Pixel(0, client.bottom / 2), canvas.Pixel(client.right - 1, client.bottom / 2)};
}

std::pair<COLORREF, COLORREF> ExpectedEdges(const PresetColours& preset, int width) {
  const std::vector<Colour> columns = FadeColumns(preset.fade1, preset.fade2, width);
  return {ToColorRef(columns.front().bgr), ToColorRef(columns.back().bgr)};
}

// How many pixels of the label, drawn by its strip as on screen, are in colour.
int LabelPixelsIn(const TitleStrip& strip, HWND label, Colour colour) {
  const RECT client = ClientOf(label);
  const Canvas canvas(client.right, client.bottom);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_STATIC;
  item.itemAction = ODA_DRAWENTIRE;
  item.hwndItem = label;
  item.hDC = canvas.Dc();
  item.rcItem = client;
  SendMessageW(strip.Hwnd(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
  return canvas.Count(ToColorRef(colour.bgr));
}

// How many pixels of the list, painted by the list box itself, are in colour.
int ListPixelsIn(HWND list, Colour colour) {
  const RECT client = ClientOf(list);
  const Canvas canvas(client.right, client.bottom);
  SendMessageW(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
  return canvas.Count(ToColorRef(colour.bgr));
}

std::vector<std::string> ItemsOf(HWND list) {
  std::vector<std::string> items;
  const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)), '\0');
    SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    items.push_back(text);
  }
  return items;
}

class CommandListTest : public ::testing::Test {
 protected:
  void ExpectLook(const PresetColours& preset, const char* when) {
    const int width = ClientOf(commandListWindow_.Strip().Hwnd()).right;
    EXPECT_EQ(StripEdges(commandListWindow_.Strip()), ExpectedEdges(preset, width)) << when;
    EXPECT_GT(
        LabelPixelsIn(commandListWindow_.Strip(), commandListWindow_.StripLabel(), preset.label), 0)
        << when;
    EXPECT_GT(ListPixelsIn(commandListWindow_.List().Hwnd(), preset.list), 0) << when;
  }

  MemorySettingsStore store_;
  Settings settings_{store_, "C:\\prog"};
  int systemCloses_ = 0;
  CommandListWindow commandListWindow_{settings_, [this] { ++systemCloses_; }};
};

TEST_F(CommandListTest, CountingLoadsTheFortyLinesUnseenAndHidingOrClosingUnloads) {
  UsePreset(settings_, kRedToBlue);
  EXPECT_EQ(commandListWindow_.ListCount(), 40);
  EXPECT_TRUE(commandListWindow_.IsLoaded());
  EXPECT_FALSE(IsWindowVisible(commandListWindow_.Hwnd()));
  ExpectLook(kRedToBlue, "the load routine coloured the hidden window");

  // In the data's order: a sorted list box would put "r : ..." after "r * ...".
  EXPECT_EQ(ItemsOf(commandListWindow_.List().Hwnd()),
            std::vector<std::string>(CommandListLines().begin(), CommandListLines().end()));

  // Hiding unloads it without a word; a system close is reported to the
  // owner, which must show the player again; either way it loads again.
  commandListWindow_.Show();
  commandListWindow_.Unload();
  EXPECT_FALSE(commandListWindow_.IsVisible());
  EXPECT_FALSE(commandListWindow_.IsLoaded());
  EXPECT_EQ(systemCloses_, 0);
  commandListWindow_.Show();
  SendMessageW(commandListWindow_.Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(commandListWindow_.IsVisible());
  EXPECT_FALSE(commandListWindow_.IsLoaded());
  EXPECT_EQ(systemCloses_, 1);
  EXPECT_EQ(commandListWindow_.ListCount(), 40);
}

TEST_F(CommandListTest, OpensSizedOnTopAndKeepsTheLookOfItsOpeningUntilReopened) {
  UsePreset(settings_, kRedToBlue);
  SetWindowPos(commandListWindow_.Hwnd(), nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
  commandListWindow_.Show();
  ASSERT_TRUE(commandListWindow_.IsVisible());
  RECT rect{};
  GetWindowRect(commandListWindow_.Hwnd(), &rect);
  EXPECT_EQ(rect.right - rect.left, TwipsToPixelsX(2880));
  EXPECT_EQ(rect.bottom - rect.top, TwipsToPixelsY(1815));
  EXPECT_NE(GetWindowLongPtrW(commandListWindow_.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_NE(GetWindowLongPtrW(commandListWindow_.Hwnd(), GWL_STYLE) & WS_CAPTION, WS_CAPTION)
      << "no title bar";
  EXPECT_EQ(TextOf(commandListWindow_.StripLabel()), L"Sonorix - commands");
  EXPECT_EQ(GetParent(commandListWindow_.StripLabel()), commandListWindow_.Strip().Hwnd())
      << "the label sits on the strip";
  ExpectLook(kRedToBlue, "opened with the first preset");

  UsePreset(settings_, kGreenToWhite);
  commandListWindow_.Show();
  ExpectLook(kRedToBlue, "switching while open does not re-colour it");
  EXPECT_EQ(LabelPixelsIn(commandListWindow_.Strip(), commandListWindow_.StripLabel(),
                          kGreenToWhite.label),
            0);
  EXPECT_EQ(ListPixelsIn(commandListWindow_.List().Hwnd(), kGreenToWhite.list), 0);

  commandListWindow_.Unload();
  commandListWindow_.Show();
  ExpectLook(kGreenToWhite, "reopened after the switch");
}

struct WindowDestroyer {
  void operator()(HWND window) const { DestroyWindow(window); }
};
using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

class AboutBoxTest : public ::testing::Test {
 protected:
  // Stands in for the player window, which " about" hides.
  OwnedWindow player_{CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"player", WS_POPUP, 0, 0, 80,
                                      40, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)};
  AboutBox about_{[this] { ShowWindow(player_.get(), SW_SHOW); }};
};

TEST_F(AboutBoxTest, OpensOnTopAsAFixedDialogWithTheProgramsTitleAndClosesToThePlayer) {
  about_.Open();
  ASSERT_TRUE(about_.IsOpen());
  EXPECT_EQ(TextOf(about_.Hwnd()), L"About Sonorix");
  EXPECT_EQ(TextOf(about_.Title()), L"Sonorix");
  EXPECT_FALSE(TextOf(about_.Description()).empty());
  EXPECT_NE(SendMessageW(about_.Icon(), STM_GETICON, 0, 0), 0) << "the program's icon";
  EXPECT_EQ(FindWindowExW(about_.Hwnd(), nullptr, L"Button", nullptr), nullptr) << "no buttons";

  const LONG_PTR style = GetWindowLongPtrW(about_.Hwnd(), GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU) << "title bar, close box";
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX), 0) << "fixed size";
  EXPECT_NE(GetWindowLongPtrW(about_.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

  for (int opening = 1; opening <= 2; ++opening) {
    ShowWindow(player_.get(), SW_HIDE);
    about_.Open();
    SendMessageW(about_.Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(about_.IsOpen()) << "its close box puts it away, opening " << opening;
    EXPECT_TRUE(IsWindowVisible(player_.get())) << "and shows the player, opening " << opening;
  }
}

}  // namespace
}  // namespace sonorix
