#include "core/win32/program_folder.h"

#include <windows.h>

#include <vector>

#include "core/win32/code_page.h"

namespace sonorix {

std::string ProgramFolder() {
  // Long paths: grow the buffer until the whole path fits.
  std::vector<wchar_t> path(MAX_PATH);
  DWORD length = 0;
  while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
         path.size()) {
    path.resize(path.size() * 2);
  }
  const std::wstring_view full(path.data(), length);
  return WideToUtf8(full.substr(0, full.find_last_of(L'\\')));
}

}  // namespace sonorix
