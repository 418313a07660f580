#include "core/win32/profile_store.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/win32/code_page.h"

namespace sonorix {

namespace {

constexpr char kUtf16Mark[] = "\xFF\xFE";  // UTF-16, little-endian

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The profile functions write a file that starts with the UTF-16 mark in
// UTF-16, and any other in the system's ANSI code page. A name that code
// page lacks needs the first kind: the file is rewritten in it, every line
// kept, before the name goes in. A file in a missing folder stays missing.
void MakeUtf16(const std::wstring& file) {
  const std::filesystem::path path(file);
  const std::string bytes = FileBytes(path);
  if (bytes.starts_with(kUtf16Mark)) return;
  const std::wstring text = SystemAnsiToWide(bytes);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(kUtf16Mark, 2);
  out.write(reinterpret_cast<const char*>(text.data()),
            static_cast<std::streamsize>(text.size() * sizeof(wchar_t)));
}

}  // namespace

std::string ProfileStore::Read(std::string_view section, std::string_view key,
                               const std::string& file) const {
  // One place for the terminator: the reader hands back at most 254 characters.
  wchar_t buffer[kMaxValueLength + 1] = {};
  DWORD count = GetPrivateProfileStringW(Utf8ToWide(section).c_str(), Utf8ToWide(key).c_str(), L"",
                                         buffer, kMaxValueLength + 1, Utf8ToWide(file).c_str());
  // A cut between the two halves of a character would leave half of it.
  if (count > 0 && IS_HIGH_SURROGATE(buffer[count - 1])) --count;
  return WideToUtf8(std::wstring_view(buffer, count));
}

void ProfileStore::Write(std::string_view section, std::string_view key, std::string_view value,
                         const std::string& file) {
  const std::wstring wideSection = Utf8ToWide(section);
  const std::wstring wideKey = Utf8ToWide(key);
  const std::wstring wideValue = Utf8ToWide(value);
  const std::wstring wideFile = Utf8ToWide(file);
  if (!FitsSystemAnsi(wideSection + wideKey + wideValue)) MakeUtf16(wideFile);
  WritePrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideValue.c_str(),
                             wideFile.c_str());
}

}  // namespace sonorix
