#include "player/win32/song_list_box.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "core/win32/code_page.h"

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
  const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, list,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
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
// that a large folder is not compared string by string.
std::string SortKey(const std::wstring& name) {
  const int size = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, name.c_str(),
                                -1, nullptr, 0);
  std::string key(static_cast<std::size_t>(std::max(size, 0)), '\0');
  LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, name.c_str(), -1,
               reinterpret_cast<wchar_t*>(key.data()), size);
  return key;
}

void SortAsListBoxDoes(std::vector<std::wstring>& names) {
  std::vector<std::pair<std::string, std::wstring>> keyed;
  keyed.reserve(names.size());
  for (auto& name : names) keyed.emplace_back(SortKey(name), std::move(name));
  std::sort(keyed.begin(), keyed.end());
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = std::move(keyed[i].second);
}

}  // namespace

std::vector<std::wstring> ListMp3Files(const std::string& folder) {
  std::vector<std::wstring> names;
  if (folder.empty()) return names;
  WIN32_FIND_DATAW found{};
  const FindHandle find(FindFirstFileExW(Utf8ToWide(folder + "\\*").c_str(), FindExInfoBasic,
                                         &found, FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH));
  if (find.get() == INVALID_HANDLE_VALUE) return names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && IsMp3Name(found.cFileName)) {
      names.emplace_back(found.cFileName);
    }
  } while (FindNextFileW(find.get(), &found));
  SortAsListBoxDoes(names);
  return names;
}

SongListBox::SongListBox(HWND parent, int id, const RECT& rect)
    : list_(parent, id, rect, WS_TABSTOP | LBS_NOTIFY), hwnd_(list_.Hwnd()), tip_(CreateTip(hwnd_)) {}

// Large folders are sorted once and added in one go: a sorted list box
// would move its entries on every insertion.
void SongListBox::SetFolder(const std::string& folder) {
  folder_ = folder;
  const std::vector<std::wstring> names = ListMp3Files(folder);
  SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
  SendMessageW(hwnd_, LB_INITSTORAGE, names.size(), static_cast<LPARAM>(names.size() * 64));
  for (const auto& name : names) {
    SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

int SongListBox::Count() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)); }

int SongListBox::Selected() const {
  return static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0));
}

// Commands and the end of a song select through here too, and a program
// selection raises no LBN_SELCHANGE: the tip follows every selection.
void SongListBox::Select(int position) {
  SendMessageW(hwnd_, LB_SETCURSEL, position, 0);
  ShowSelectionTip();
}

std::string SongListBox::Name(int position) const {
  const LRESULT length = SendMessageW(hwnd_, LB_GETTEXTLEN, position, 0);
  if (position < 0 || length == LB_ERR) return {};
  std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(hwnd_, LB_GETTEXT, position, reinterpret_cast<LPARAM>(name.data()));
  name.resize(static_cast<std::size_t>(length));
  return WideToUtf8(name);
}

void SongListBox::ShowSelectionTip() {
  const std::wstring name = Utf8ToWide(Name(Selected()));
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
  tool.lpszText = const_cast<wchar_t*>(name.c_str());
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace sonorix
