// Reading the numbers users type after a command.
#pragma once

#include <optional>
#include <string_view>

namespace sonorix {

// A decimal number, blanks around it allowed ("12", "-3.5", " 1e2 "), or
// nothing when the text is no number at all.
std::optional<double> ParseNumber(std::string_view text);

// The seek amount in seconds: "m:ss" counts minutes and whole seconds, any
// other text is plain seconds with fractions kept. Nothing when either part
// is no number.
std::optional<double> ParseSeekAmount(std::string_view text);

// Half-way values go to the even neighbour, as every rounding here does.
double RoundHalfEven(double value);

}  // namespace sonorix
