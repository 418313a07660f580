// The control panel: a window never shown that owns the player's two
// pop-up menus, their pictures and the shared colour picker.
#pragma once

#include <functional>
#include <string>

#include "aol/aol_client.h"
#include "core/settings.h"
#include "look/control_panel.h"
#include "look/win32/look_helpers.h"
#include "player/end_of_song_modes.h"
#include "player/media_player.h"
#include "player/song_list.h"
#include "ui/win32/gdi.h"
#include "ui/win32/window.h"

namespace sonorix {

struct ControlPanelParts {
  Settings& settings;
  AolClient& aol;
  EndOfSongModes& modes;
  const MediaPlayer& media;
  SongList& songs;
  // The player window's colours after a colour set-up.
  std::function<void(const Preset&)> applyPreset;
  std::function<void()> showPresets;
  std::function<void()> showStyles;
  std::function<void()> showAbout;
  std::function<void(const std::string& tip)> minimize;
  // " unload me": the program ends at once, without a word.
  std::function<void()> quit;
};

enum class PopupMenu { First, Second };

class ControlPanelWindow final : public Window {
 public:
  explicit ControlPanelWindow(ControlPanelParts parts);
  ~ControlPanelWindow() override;

  // Opens the menu at the player's right edge and carries out the choice.
  void ShowMenu(PopupMenu which, HWND player);
  void Choose(MenuEntry entry);
  ColourDialog& CommonDialog() { return commonDialog_; }

 private:
  HMENU BuildMenu(const std::vector<MenuItem>& items, bool firstMenu) const;
  void SetUpMusicFolder();

  ControlPanelParts parts_;
  // The window whose menu was opened: the dialogs of its choices are modal
  // to it and show above it.
  HWND dialogOwner_ = nullptr;
  bool pickingFolder_ = false;
  ColourDialog commonDialog_;
  Bitmap image1_;
  Bitmap image2_;
};

}  // namespace sonorix
