#include "aolsim/code_page.h"

#include <windows.h>

namespace sonorix::aolsim {

namespace {

constexpr UINT kWindows1252 = 1252;

std::wstring Widen(std::string_view text, UINT codePage) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string Narrow(std::wstring_view wide, UINT codePage) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

}  // namespace

std::string Utf8ToAnsi(std::string_view utf8) { return Narrow(Widen(utf8, CP_UTF8), kWindows1252); }

std::string AnsiToUtf8(std::string_view ansi) { return Narrow(Widen(ansi, kWindows1252), CP_UTF8); }

}  // namespace sonorix::aolsim
