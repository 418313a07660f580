#include "look/win32/control_panel_window.h"

#include "chattext/look_lines.h"
#include "core/win32/code_page.h"

#include <memory>
#include "core/win32/browse_for_folder.h"
#include "ui/win32/twips.h"

namespace sonorix {

namespace {

constexpr UINT kFirstId = 100;

struct MenuDestroyer {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

// A small square in one colour beside the menu entries.
Bitmap MenuPicture(COLORREF colour) {
  const int size = GetSystemMetrics(SM_CXMENUCHECK);
  const HDC screen = GetDC(nullptr);
  Bitmap bitmap(CreateCompatibleBitmap(screen, size, size));
  const MemoryDc dc(CreateCompatibleDC(screen));
  ReleaseDC(nullptr, screen);
  const Selection selected(dc.get(), bitmap.get());
  FillSolid(dc.get(), RECT{0, 0, size, size}, GetSysColor(COLOR_MENU));
  FillSolid(dc.get(), RECT{2, 2, size - 2, size - 2}, colour);
  return bitmap;
}

}  // namespace

ControlPanelWindow::ControlPanelWindow(ControlPanelParts parts)
    : parts_(std::move(parts)),
      image1_(MenuPicture(RGB(60, 140, 200))),
      image2_(MenuPicture(RGB(255, 153, 0))) {
  // The menus and their dialogs belong to the player window; this one is
  // never shown.
  static_cast<void>(CreateWindowOfClass(L"Sonorix Control Panel", WS_EX_TOOLWINDOW, WS_POPUP,
                                        RECT{0, 0, 0, 0}, nullptr, L"Sonorix"));
}

ControlPanelWindow::~ControlPanelWindow() = default;

// First menu: the first picture beside entries 1 to 13. Second menu: the
// second picture, but the first one at the leading separator.
HMENU ControlPanelWindow::BuildMenu(const std::vector<MenuItem>& items, bool firstMenu) const {
  const HMENU menu = CreatePopupMenu();
  for (UINT i = 0; i < items.size(); ++i) {
    const bool separator = items[i].entry == MenuEntry::Separator;
    AppendMenuW(menu, separator ? MF_SEPARATOR : MF_STRING, kFirstId + i,
                separator ? nullptr : Utf8ToWide(items[i].caption).c_str());
    const bool pictured = firstMenu ? (i >= 1 && i <= 13) : (i <= 11);
    if (!pictured) continue;
    const HBITMAP picture = firstMenu ? image1_.get() : image2_.get();
    SetMenuItemBitmaps(menu, i, MF_BYPOSITION, !firstMenu && i == 0 ? image1_.get() : picture,
                       picture);
  }
  if (!firstMenu) SetMenuDefaultItem(menu, 1, TRUE);
  return menu;
}

void ControlPanelWindow::ShowMenu(PopupMenu which, HWND player) {
  dialogOwner_ = player;
  const auto items = which == PopupMenu::First ? FirstMenu() : SecondMenu(parts_.modes);
  const OwnedMenu menu(BuildMenu(items, which == PopupMenu::First));
  POINT at{TwipsToPixelsX(2950), TwipsToPixelsY(-30)};
  ClientToScreen(player, &at);
  SetForegroundWindow(player);
  const auto chosen = static_cast<UINT>(TrackPopupMenuEx(
      menu.get(), TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x, at.y, player, nullptr));
  if (chosen >= kFirstId && chosen < kFirstId + items.size())
    Choose(items[chosen - kFirstId].entry);
}

// Cancel keeps the folder and the list as they were. One picker at a time:
// the menu stays reachable while it is open.
void ControlPanelWindow::SetUpMusicFolder() {
  if (pickingFolder_) return;
  pickingFolder_ = true;
  const std::string folder = BrowseForFolder(dialogOwner_, "Browse For Folder");
  pickingFolder_ = false;
  if (folder.empty()) return;
  parts_.settings.WriteMain(kMusicFolderKey, folder);
  parts_.songs.SetFolder(folder);
}

void ControlPanelWindow::Choose(MenuEntry entry) {
  auto pick = [this] { return commonDialog_.Show(dialogOwner_); };
  switch (entry) {
    case MenuEntry::Presets:
      parts_.showPresets();
      parts_.aol.SendChat(PresetsAnnouncement(parts_.settings.ReadCurrentStyle()));
      break;
    case MenuEntry::Styles:
      parts_.showStyles();
      parts_.aol.SendChat(StylesAnnouncement(parts_.settings.ReadCurrentStyle()));
      break;
    case MenuEntry::SetupDir:
      SetUpMusicFolder();
      break;
    case MenuEntry::RefreshDir:
      parts_.songs.SetFolder(parts_.songs.Folder());
      break;
    case MenuEntry::SetupFade:
      parts_.applyPreset(
          PickPresetColours(parts_.settings, {PresetColour::kFade1, PresetColour::kFade2}, pick));
      break;
    case MenuEntry::SetupColor:
      parts_.applyPreset(PickPresetColours(
          parts_.settings, {PresetColour::kLabel, PresetColour::kList, PresetColour::kButton},
          pick));
      break;
    case MenuEntry::Minimize:
      parts_.minimize(
          MinimizeTip(parts_.media.State(), parts_.songs.Name(parts_.songs.Selected())));
      break;
    case MenuEntry::Unload:
      parts_.quit();
      break;
    case MenuEntry::About:
      parts_.showAbout();
      break;
    case MenuEntry::AutoRandom:
      ChooseAutoRandomEntry(parts_.modes, parts_.settings, parts_.aol);
      break;
    case MenuEntry::Continuous:
      ChooseContinuousEntry(parts_.modes, parts_.settings, parts_.aol);
      break;
    default:
      break;
  }
}

}  // namespace sonorix
