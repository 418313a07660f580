#include "core/win32/profile_store.h"

#include <windows.h>

#include "core/win32/code_page.h"

namespace sonorix {

std::string ProfileStore::Read(std::string_view section, std::string_view key,
                               const std::string& file) const {
  // One byte for the terminator: the reader hands back at most 254 characters.
  char buffer[kMaxValueLength + 1] = {};
  const DWORD count = GetPrivateProfileStringA(
      Utf8ToAnsi(section).c_str(), Utf8ToAnsi(key).c_str(), "", buffer, sizeof buffer,
      Utf8ToAnsi(file).c_str());
  return AnsiToUtf8(std::string_view(buffer, count));
}

void ProfileStore::Write(std::string_view section, std::string_view key, std::string_view value,
                         const std::string& file) {
  WritePrivateProfileStringA(Utf8ToAnsi(section).c_str(), Utf8ToAnsi(key).c_str(),
                             Utf8ToAnsi(value).c_str(), Utf8ToAnsi(file).c_str());
}

}  // namespace sonorix
