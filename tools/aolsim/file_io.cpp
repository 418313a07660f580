#include "aolsim/file_io.h"

#include <algorithm>

#include "aolsim/window_support.h"

namespace sonorix::aolsim {

namespace {

constexpr LONGLONG kMaxReadBytes = 16 * 1024 * 1024;

// WriteFile takes a DWORD count, so larger texts go in pieces.
bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

UniqueHandle OpenForWriting(std::string_view utf8Path, DWORD access, DWORD disposition) {
  return AdoptFileHandle(CreateFileW(WideFromUtf8(utf8Path).c_str(), access,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

std::wstring WideFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

std::string Utf8FromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

bool AppendToFile(std::string_view utf8Path, std::string_view bytes) {
  const UniqueHandle file = OpenForWriting(utf8Path, FILE_APPEND_DATA, OPEN_ALWAYS);
  return file && WriteAll(file.get(), bytes);
}

bool WriteWholeFile(std::string_view utf8Path, std::string_view bytes) {
  const UniqueHandle file = OpenForWriting(utf8Path, GENERIC_WRITE, CREATE_ALWAYS);
  return file && WriteAll(file.get(), bytes);
}

std::optional<std::string> ReadWholeFile(std::string_view utf8Path) {
  const UniqueHandle file = AdoptFileHandle(
      CreateFileW(WideFromUtf8(utf8Path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxReadBytes) {
    return std::nullopt;
  }
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() &&
      !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
    return std::nullopt;
  }
  bytes.resize(read);
  return bytes;
}

void ReportError(std::string_view utf8Message) {
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  if (error == nullptr || error == INVALID_HANDLE_VALUE) return;
  WriteAll(error, std::string(utf8Message) + "\n");
}

}  // namespace sonorix::aolsim
