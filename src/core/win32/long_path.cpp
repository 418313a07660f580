#include "core/win32/long_path.h"

#include <windows.h>

#include "core/win32/code_page.h"

namespace sonorix {

namespace {

bool HasPrefix(std::wstring_view path) {
  return path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\");
}

std::wstring FullPath(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (written == 0 || written >= needed) return path;
  full.resize(written);
  return full;
}

}  // namespace

std::wstring LongPath(std::string_view utf8) {
  const std::wstring path = Utf8ToWide(utf8);
  if (path.empty() || HasPrefix(path)) return path;
  const std::wstring full = FullPath(path);
  if (HasPrefix(full)) return full;
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') return L"\\\\?\\" + full;
  return full;
}

}  // namespace sonorix
