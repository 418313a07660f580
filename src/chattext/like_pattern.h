// The one wildcard match of the program: chat commands and duplicate names.
#pragma once

#include <string_view>

namespace sonorix {

// True when the whole text matches the pattern. In the pattern "*" stands
// for any run of characters (also none), "?" for any one character, "#" for
// one digit, "[a-f]" for one character of the list (ranges allowed), "[!a-f]"
// for one character not in it, "[]" for nothing; inside brackets every
// character but "]" is itself ("[[*]" is "[" or "*"). Any other character
// stands for itself, as does a "[" that is never closed. Case counts: lower-case both sides first
// for a case-blind match. Characters are UTF-8 code points.
bool Like(std::string_view text, std::string_view pattern);

}  // namespace sonorix
