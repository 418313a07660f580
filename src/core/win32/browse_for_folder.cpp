#include "core/win32/browse_for_folder.h"

#include <shlobj.h>

#include <memory>

#include "core/win32/code_page.h"

namespace sonorix {

namespace {

struct ItemListDeleter {
  void operator()(PIDLIST_ABSOLUTE list) const { CoTaskMemFree(list); }
};
using ItemList = std::unique_ptr<std::remove_pointer_t<PIDLIST_ABSOLUTE>, ItemListDeleter>;

constexpr DWORD kPathBufferLength = 1024;

}  // namespace

std::string BrowseForFolder(HWND owner, const std::string& title) {
  const std::wstring wideTitle = Utf8ToWide(title);
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.lpszTitle = wideTitle.c_str();
  const ItemList chosen(SHBrowseForFolderW(&info));
  if (!chosen) return {};
  // The buffer is larger than the MAX_PATH the call assumes.
  std::wstring path(kPathBufferLength, L'\0');
  if (!SHGetPathFromIDListW(chosen.get(), path.data())) return {};
  path.resize(path.find(L'\0'));
  return WideToUtf8(path);
}

}  // namespace sonorix
