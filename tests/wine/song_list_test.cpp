// The song list on its own: what it lists, in which order, and how it draws a row.
#include <gtest/gtest.h>

#include <windows.h>

#include <future>
#include <memory>
#include <string>
#include <vector>

#include "core/win32/code_page.h"
#include "player/win32/song_list_box.h"
#include "wine/canvas.h"
#include "wine/program_folder.h"

namespace sonorix {
namespace {

using namespace sonorix::testing;
using Names = std::vector<std::string>;

struct WindowDestroyer {
  void operator()(HWND window) const { DestroyWindow(window); }
};
using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

OwnedWindow MakeHost() {
  return OwnedWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                     nullptr, nullptr));
}

// The order a sorted standard list box gives the same names.
Names SortedListBoxOrder(const Names& names) {
  const OwnedWindow host = MakeHost();
  const HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | LBS_SORT | LBS_HASSTRINGS, 0, 0,
                                    100, 100, host.get(), nullptr, nullptr, nullptr);
  for (const auto& name : names) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(name).c_str()));
  }
  Names sorted;
  for (int i = 0; i < static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); ++i) {
    wchar_t text[MAX_PATH] = {};
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    sorted.push_back(WideToUtf8(text));
  }
  return sorted;
}

Names Listed(const SongListBox& list) {
  Names names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list.Name(i));
  return names;
}

// Only ".mp3" files, in any case of the extension; every name is kept
// whole, letters outside the code page too; the order is a sorted list
// box's; the box itself counts them all, as anyone outside asks it.
TEST(SongListBox, ListsTheFolderAsASortedListBoxWouldAndRefillingDropsTheSelection) {
  const Names mp3s = {"b.mp3",  "A.mp3",  "c.MP3", "Bj\xC3\xB6rk \xE4\xB8\xAD.mp3",
                      "_x.mp3", "10.mp3", "9.mp3", "\xC3\xA4pfel.mp3"};
  std::vector<std::pair<std::string, std::string>> files;
  for (const auto& name : mp3s) files.emplace_back("cbr128.mp3", name);
  files.emplace_back("cbr128.mp3", "notes.txt");
  files.emplace_back("cbr128.mp3", "mp3");
  const std::string music = MakeMusicFolder(files);
  CreateDirectoryW(Utf8ToWide(music + "\\folder.mp3").c_str(), nullptr);

  const OwnedWindow host = MakeHost();
  SongListBox list(host.get(), 1, TwipsBox{0, 0, 3000, 1500});
  list.SetFolder(music);
  EXPECT_EQ(Listed(list), SortedListBoxOrder(mp3s));
  EXPECT_EQ(SendMessageW(list.Hwnd(), LB_GETCOUNT, 0, 0), 8);
  EXPECT_EQ(list.Name(8), "");

  list.Select(3);
  EXPECT_EQ(list.Selected(), 3);
  list.SetFolder(music);
  EXPECT_EQ(list.Selected(), -1);
  list.SetFolder(music + "\\missing");
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(SendMessageW(list.Hwnd(), LB_GETCOUNT, 0, 0), 0);
}

std::future<SongNames> ListingOf(const std::string& folder) {
  return std::async(std::launch::async, ListMp3Files, folder);
}

// A listing begun while the splash plays stands for its own folder's first
// listing only: another folder is read as it is, and a refresh sees the
// folder as it is now. The early listings here are of another folder, so
// that using one shows.
TEST(SongListBox, TakesAnEarlyListingForItsOwnFolderOnlyAndOnlyOnce) {
  const std::string music = MakeMusicFolder({{"cbr128.mp3", "a.mp3"}});
  const std::string other = MakeMusicFolder({{"cbr128.mp3", "b.mp3"}, {"cbr128.mp3", "c.mp3"}});
  const OwnedWindow host = MakeHost();
  SongListBox list(host.get(), 1, TwipsBox{0, 0, 3000, 1500});

  list.UseEarlyListing(other, ListingOf(other));
  list.SetFolder(music);
  EXPECT_EQ(Listed(list), Names{"a.mp3"});

  list.UseEarlyListing(music, ListingOf(other));
  list.SetFolder(music);
  EXPECT_EQ(Listed(list), (Names{"b.mp3", "c.mp3"})) << "the early listing is taken";
  list.SetFolder(music);
  EXPECT_EQ(Listed(list), Names{"a.mp3"}) << "a refresh reads the folder";
}

int PixelsNotOf(const Canvas& canvas, COLORREF background, int width, int height) {
  return width * height - canvas.Count(background);
}

// A row is drawn from the list's names: the name in the list's colour on
// the window colour, or in the highlight colours while selected.
TEST(SongListBox, DrawsARowInTheListColourOrHighlighted) {
  const OwnedWindow host = MakeHost();
  SongListBox list(host.get(), 1, TwipsBox{0, 0, 3000, 1500});
  list.SetFolder(MakeMusicFolder({{"cbr128.mp3", "WWWWWWWW.mp3"}}));
  list.List().SetTextColour(RGB(255, 0, 0));
  const int height = static_cast<int>(SendMessageW(list.Hwnd(), LB_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(height, 8) << "rows as high as the list's font";

  for (const bool selected : {false, true}) {
    Canvas canvas(200, height);
    SelectObject(canvas.Dc(), GetStockObject(DEFAULT_GUI_FONT));
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = selected ? ODS_SELECTED : 0;
    item.hwndItem = list.Hwnd();
    item.hDC = canvas.Dc();
    item.rcItem = RECT{0, 0, 200, height};
    list.Draw(item);
    const COLORREF back = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    const COLORREF text = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : RGB(255, 0, 0);
    EXPECT_EQ(canvas.Pixel(199, 0), back) << "the whole row is filled";
    EXPECT_GT(PixelsNotOf(canvas, back, 200, height), 50) << "the name is written";
    EXPECT_GT(canvas.Count(text), 0) << "in the row's text colour";
  }
}

// Drags the list's thumb to the foot of its scroll bar, as a user does: the
// press goes to the scroll bar, which then tracks the mouse messages that
// follow it until the button is released.
void DragThumbToTheBottom(HWND list) {
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  ASSERT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &bar));
  const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
  POINT thumb{x, bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2};
  POINT foot{x, bar.rcScrollBar.bottom - 1};
  ScreenToClient(list, &foot);
  PostMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(foot.x, foot.y));
  PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(foot.x, foot.y));
  SendMessageW(list, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(thumb.x, thumb.y));
}

// A scroll message carries 16 bits of position: the thumb of a list past
// 65,536 rows must still reach its last row. A position sent by anyone
// but the scroll bar is taken as it comes.
TEST(SongListBox, ItsThumbReachesEveryRowOfAHundredThousand) {
  const OwnedWindow host(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200,
                                         nullptr, nullptr, nullptr, nullptr));
  SongListBox list(host.get(), 1, TwipsBox{0, 0, 3000, 2250});
  const HWND box = list.Hwnd();
  // Only the count matters to the scrolling: the box holds no names of its own.
  SendMessageW(box, LB_SETCOUNT, 100000, 0);
  RECT client{};
  GetClientRect(box, &client);
  const int rows = client.bottom / static_cast<int>(SendMessageW(box, LB_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(rows, 1);

  DragThumbToTheBottom(box);
  EXPECT_EQ(SendMessageW(box, LB_GETTOPINDEX, 0, 0), 100000 - rows);
  EXPECT_EQ(GetScrollPos(box, SB_VERT), 100000 - rows);

  SendMessageW(box, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1234), 0);
  EXPECT_EQ(SendMessageW(box, LB_GETTOPINDEX, 0, 0), 1234);
}

}  // namespace
}  // namespace sonorix
