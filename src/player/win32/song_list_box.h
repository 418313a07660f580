// The song list: the music folder's ".mp3" files in a list box that holds no
// strings of its own. The names stay in one SongNames and the box draws
// only the rows in view, so a folder of any size lists at once.
#pragma once

#include <windows.h>

#include <future>
#include <string>

#include "player/song_list.h"
#include "player/song_names.h"
#include "ui/win32/list_box.h"

namespace sonorix {

// The folder's ".mp3" file names, sorted without regard to case as a
// sorted list box orders them; none for a missing folder.
SongNames ListMp3Files(const std::string& folder);

class SongListBox final : public SongList {
 public:
  SongListBox(HWND parent, int id, const TwipsBox& box);

  HWND Hwnd() const { return list_.Hwnd(); }
  ListBox& List() { return list_; }
  // Shows the selected name as the list's tooltip.
  void ShowSelectionTip();
  HWND Tip() const { return tip_; }
  // Paints one row of the list.
  void Draw(const DRAWITEMSTRUCT& item) const;
  // Where a typed letter leads: the next row after the selection whose name
  // starts with the letter, in any case, round from the top; -2, nothing to
  // do, when there is none.
  LRESULT RowStartingWith(wchar_t letter) const;

  // A listing of the folder begun elsewhere (a large folder is read while
  // the splash plays): the next SetFolder of that folder takes it instead of
  // reading the folder again.
  void UseEarlyListing(std::string folder, std::future<SongNames> listing);
  void SetFolder(const std::string& folder) override;
  std::string Folder() const override { return folder_; }
  int Count() const override { return names_.Count(); }
  int Selected() const override;
  void Select(int position) override;
  std::string Name(int position) const override { return std::string(names_.Name(position)); }
  const SongNames& Names() const override { return names_; }

 private:
  ListBox list_;
  HWND hwnd_;
  HWND tip_;
  std::string folder_;
  SongNames names_;
  std::string earlyFolder_;
  std::future<SongNames> early_;
};

}  // namespace sonorix
