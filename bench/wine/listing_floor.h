// The floor of every folder listing: reading the folder's entries, as the
// song list does, and keeping nothing.
#pragma once

#include <windows.h>

#include <string>

#include "core/win32/code_page.h"

namespace sonorix::bench {

inline int CountFolderEntries(const std::string& folder) {
  WIN32_FIND_DATAW found{};
  const HANDLE find = FindFirstFileExW(Utf8ToWide(folder + "\\*").c_str(), FindExInfoBasic, &found,
                                       FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) return 0;
  int entries = 1;
  while (FindNextFileW(find, &found)) ++entries;
  FindClose(find);
  return entries;
}

}  // namespace sonorix::bench
