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

bool ProfileFileSteps::MakeTemporaryBeside(const std::wstring& file, std::wstring& temporary) {
  const std::wstring folder = std::filesystem::path(file).parent_path().wstring();
  wchar_t name[MAX_PATH] = {};
  if (GetTempFileNameW(folder.c_str(), L"snx", 0, name) == 0) return false;
  temporary = name;
  return true;
}

bool ProfileFileSteps::CopyInto(const std::wstring& from, const std::wstring& to) {
  return CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool ProfileFileSteps::WriteKey(const std::wstring& section, const std::wstring& key,
                                const std::wstring& value, const std::wstring& file) {
  return WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
         FALSE;
}

// A file the user made read-only keeps its lines, as it would if written in
// place; Windows refuses to replace it, Wine would not.
bool ProfileFileSteps::Replace(const std::wstring& temporary, const std::wstring& file) {
  const DWORD attributes = GetFileAttributesW(file.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return false;
  }
  return MoveFileExW(temporary.c_str(), file.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool ProfileStore::Write(std::string_view section, std::string_view key, std::string_view value,
                         const std::string& file) {
  const std::wstring wideSection = Utf8ToWide(section);
  const std::wstring wideKey = Utf8ToWide(key);
  const std::wstring wideValue = Utf8ToWide(value);
  const std::wstring wideFile = Utf8ToWide(file);
  std::wstring temporary;
  if (!steps_.MakeTemporaryBeside(wideFile, temporary)) return false;
  const bool existed = GetFileAttributesW(wideFile.c_str()) != INVALID_FILE_ATTRIBUTES;
  bool written = !existed || steps_.CopyInto(wideFile, temporary);
  if (written && !FitsSystemAnsi(wideSection + wideKey + wideValue)) MakeUtf16(temporary);
  written = written && steps_.WriteKey(wideSection, wideKey, wideValue, temporary) &&
            steps_.Replace(temporary, wideFile);
  if (!written) DeleteFileW(temporary.c_str());
  return written;
}

}  // namespace sonorix
