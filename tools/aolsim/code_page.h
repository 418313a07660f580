// The client's chat text is Windows-1252; its scripts and our callers speak
// UTF-8. Kept here rather than borrowed from the program under test, so that
// the stand-in client checks the program's conversions instead of sharing them.
#pragma once

#include <string>
#include <string_view>

namespace sonorix::aolsim {

// Characters that Windows-1252 lacks become their best-fit look-alike or "?".
std::string Utf8ToAnsi(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace sonorix::aolsim
