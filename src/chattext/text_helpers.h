// The letter effect of every chat word, and two small text helpers.
#pragma once

#include <string>
#include <string_view>

#include "core/colour.h"

namespace sonorix {

// Lower-case a, e and o become á, é and ø; everything else passes unchanged.
// Never give it a text holding tags: "font" would become "fønt".
std::string AccentText(std::string_view text);

// Lower-cases every capital of Windows-1252: ASCII, À to Þ, and Š, Œ, Ž, Ÿ;
// other text is kept, and so is the length in bytes.
std::string LowerCase(std::string_view text);

// The text without any blank (U+0020).
std::string StripSpaces(std::string_view text);

// "RRGGBB" or "#RRGGBB" as a colour value. A leading "#" makes the caller's
// text its last six characters. Reading stops at the first character that is
// not a hex digit, keeping the digits before it, so "ZZZZZZ" gives 0.
Colour HtmlToColor(std::string& text);

}  // namespace sonorix
