// Conversion between the program's UTF-8 and the encodings Windows speaks:
// Windows-1252 for the client's chat text, UTF-16 for the wide APIs, and the
// system's ANSI code page where an ANSI record must be filled.
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

// The system's ANSI code page (1252 on a Western system, 1251 on a Cyrillic
// one, 932 on a Japanese one ...): what ANSI functions and files of this
// system hold. Characters it lacks become "?" or a look-alike.
std::string Utf8ToSystemAnsi(std::string_view utf8);
std::wstring SystemAnsiToWide(std::string_view ansi);
// Whether every character of the text has its own place in that code page.
bool FitsSystemAnsi(std::wstring_view wide);

}  // namespace sonorix
