// Conversion between the program's UTF-8 and the Windows-1252 bytes that the
// client's ANSI windows hold.
#pragma once

#include <string>
#include <string_view>

namespace sonorix {

// Characters that Windows-1252 lacks become their best-fit look-alike or "?".
std::string Utf8ToAnsi(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);

// For the wide file and module APIs, which reach names outside Windows-1252.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

}  // namespace sonorix
