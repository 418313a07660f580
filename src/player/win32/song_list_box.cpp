#include "player/win32/song_list_box.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "chattext/text_helpers.h"
#include "core/win32/code_page.h"
#include "core/win32/long_path.h"
#include "ui/win32/accessible_name.h"
#include "ui/win32/gdi.h"

namespace sonorix {

namespace {

struct FindCloser {
  void operator()(HANDLE find) const { FindClose(find); }
};
using FindHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindCloser>;

bool IsMp3Name(const std::wstring& name) {
  constexpr std::wstring_view kExtension = L".mp3";
  return name.size() > kExtension.size() &&
         CompareStringOrdinal(name.c_str() + name.size() - kExtension.size(),
                              static_cast<int>(kExtension.size()), kExtension.data(),
                              static_cast<int>(kExtension.size()), TRUE) == CSTR_EQUAL;
}

// The tooltip class belongs to the common controls, which a program must
// load before it makes one.
HWND CreateTip(HWND list) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  const HWND tip =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, list, nullptr,
                      GetModuleHandleW(nullptr), nullptr);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = list;
  tool.uId = reinterpret_cast<UINT_PTR>(list);
  tool.lpszText = const_cast<wchar_t*>(L"");
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  return tip;
}

// The system's case-blind comparison, done once per name as a sort key so
// that a large folder is not compared string by string. Names and keys go
// into two flat buffers: a large folder leaves no heap of small blocks.
class FoundNames {
 public:
  void Add(const wchar_t* name) {
    nameStarts_.push_back(static_cast<std::uint32_t>(names_.size()));
    names_ += WideToUtf8(name);
    keyStarts_.push_back(static_cast<std::uint32_t>(keys_.size()));
    const int size = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, name, -1,
                                  reinterpret_cast<wchar_t*>(key_.data()), kLongestKey);
    keys_.append(key_.data(), static_cast<std::size_t>(std::max(size, 0)));
  }

  SongNames Sorted() const {
    std::vector<std::uint32_t> order(nameStarts_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<std::uint32_t>(i);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
      const auto keyA = Part(keys_, keyStarts_, a), keyB = Part(keys_, keyStarts_, b);
      return keyA != keyB ? keyA < keyB
                          : Part(names_, nameStarts_, a) < Part(names_, nameStarts_, b);
    });
    SongNames sorted;
    sorted.Reserve(order.size(), names_.size());
    for (const std::uint32_t i : order) sorted.Add(Part(names_, nameStarts_, i));
    return sorted;
  }

 private:
  // A file name holds at most MAX_PATH characters; a key takes a few bytes a character.
  static constexpr int kLongestKey = 16 * MAX_PATH;

  static std::string_view Part(const std::string& text, const std::vector<std::uint32_t>& starts,
                               std::uint32_t i) {
    const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : text.size();
    return std::string_view(text).substr(starts[i], end - starts[i]);
  }

  std::array<char, kLongestKey> key_{};
  std::string names_;
  std::string keys_;
  std::vector<std::uint32_t> nameStarts_;
  std::vector<std::uint32_t> keyStarts_;
};

// The height a standard list box gives its rows in the font it was given.
int RowHeight(HWND list) {
  const HDC dc = GetDC(list);
  TEXTMETRICW metrics{};
  {
    const Selection font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    GetTextMetricsW(dc, &metrics);
  }
  ReleaseDC(list, dc);
  return metrics.tmHeight;
}

// A scroll message carries the thumb's position in 16 bits, and the list box
// scrolls to that: past row 65,535 a dragged thumb lands 65,536 rows short. The
// scroll bar keeps the whole position while it tracks; it is the same drag
// when its low 16 bits are the message's.
LRESULT CALLBACK ReachEveryRow(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR) {
  if (message == WM_VSCROLL &&
      (LOWORD(wParam) == SB_THUMBTRACK || LOWORD(wParam) == SB_THUMBPOSITION)) {
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_TRACKPOS;
    if (GetScrollInfo(list, SB_VERT, &scroll) &&
        LOWORD(static_cast<DWORD>(scroll.nTrackPos)) == HIWORD(wParam)) {
      SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(scroll.nTrackPos), 0);
      return 0;
    }
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(list, ReachEveryRow, id);
  return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace

SongNames ListMp3Files(const std::string& folder) {
  if (folder.empty()) return {};
  WIN32_FIND_DATAW entry{};
  const FindHandle find(FindFirstFileExW(LongPath(folder + "\\*").c_str(), FindExInfoBasic, &entry,
                                         FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH));
  if (find.get() == INVALID_HANDLE_VALUE) return {};
  FoundNames found;
  do {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && IsMp3Name(entry.cFileName)) {
      found.Add(entry.cFileName);
    }
  } while (FindNextFileW(find.get(), &entry));
  return found.Sorted();
}

SongListBox::SongListBox(HWND parent, int id, const TwipsBox& box)
    : list_(parent, id, box,
            WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_WANTKEYBOARDINPUT),
      hwnd_(list_.Hwnd()),
      tip_(CreateTip(hwnd_)) {
  SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, RowHeight(hwnd_));
  SetWindowSubclass(hwnd_, ReachEveryRow, 0, 0);
  list_.onDrawRow = [this](const DRAWITEMSTRUCT& item) { Draw(item); };
  list_.onCharToItem = [this](wchar_t letter) { return RowStartingWith(letter); };
}

void SongListBox::UseEarlyListing(std::string folder, std::future<SongNames> listing) {
  earlyFolder_ = std::move(folder);
  early_ = std::move(listing);
}

// The box only learns how many rows there are; emptying it first drops the
// selection, as refilling a list does.
void SongListBox::SetFolder(const std::string& folder) {
  folder_ = folder;
  const bool early = early_.valid() && folder == earlyFolder_;
  names_ = early ? early_.get() : ListMp3Files(folder);
  // Only the first listing may be the early one: a later SetFolder of the
  // same folder is a refresh and must see the folder as it is now.
  early_ = {};
  SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
  SendMessageW(hwnd_, LB_SETCOUNT, static_cast<WPARAM>(names_.Count()), 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

// Rows look as a standard list box draws them, in the preset's list colour.
void SongListBox::Draw(const DRAWITEMSTRUCT& item) const {
  const HDC dc = item.hDC;
  const RECT& row = item.rcItem;
  if (item.itemAction == ODA_FOCUS) {
    DrawFocusRect(dc, &row);
    return;
  }
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : list_.TextColour());
  const std::wstring name = Utf8ToWide(names_.Name(static_cast<int>(item.itemID)));
  ExtTextOutW(dc, row.left + 1, row.top, ETO_OPAQUE | ETO_CLIPPED, &row, name.c_str(),
              static_cast<UINT>(name.size()), nullptr);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &row);
}

LRESULT SongListBox::RowStartingWith(wchar_t letter) const {
  const std::string wanted = LowerCase(WideToUtf8(std::wstring_view(&letter, 1)));
  const int count = Count();
  for (int step = 1; step <= count; ++step) {
    const int row = (std::max(Selected(), -1) + step) % count;
    if (LowerCase(names_.Name(row).substr(0, wanted.size())) == wanted) return row;
  }
  return -2;
}

int SongListBox::Selected() const {
  return static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0));
}

// Commands and the end of a song select through here too, and a program
// selection raises no LBN_SELCHANGE: the tip follows every selection.
void SongListBox::Select(int position) {
  SendMessageW(hwnd_, LB_SETCURSEL, position, 0);
  ShowSelectionTip();
}

// The tip, and what a screen reader says of the list: the song and where
// it stands, which an owner-data list cannot tell by itself.
void SongListBox::ShowSelectionTip() {
  const std::wstring name = Utf8ToWide(names_.Name(Selected()));
  if (Selected() >= 0) {
    SetAccessibleName(hwnd_, L"songs, " + name + L", " + std::to_wstring(Selected() + 1) + L" of " +
                                 std::to_wstring(Count()));
  }
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
  tool.lpszText = const_cast<wchar_t*>(name.c_str());
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace sonorix
