// File1: the music folder's ".mp3" files in a standard list box.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "player/song_list.h"
#include "ui/win32/list_box.h"

namespace sonorix {

// The folder's ".mp3" file names, sorted without regard to case as a
// sorted list box orders them; none for a missing folder.
std::vector<std::wstring> ListMp3Files(const std::string& folder);

class SongListBox final : public SongList {
 public:
  SongListBox(HWND parent, int id, const RECT& rect);

  HWND Hwnd() const { return list_.Hwnd(); }
  ListBox& List() { return list_; }
  // Shows the selected name as the list's tooltip.
  void ShowSelectionTip();
  HWND Tip() const { return tip_; }

  void SetFolder(const std::string& folder) override;
  std::string Folder() const override { return folder_; }
  int Count() const override;
  int Selected() const override;
  void Select(int position) override;
  std::string Name(int position) const override;

 private:
  ListBox list_;
  HWND hwnd_;
  HWND tip_;
  std::string folder_;
};

}  // namespace sonorix
