// The number readers against what they promise: ParseNumber takes exactly the decimal
// numbers (an optional sign, digits with at most one point, an optional exponent, spaces
// around) and reads them as strtod does; a seek amount "m:ss" is minutes and whole seconds
// with every "m:" taken out, and always a finite number; halves round to the even neighbour.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "bot/numbers.h"
#include "fuzz_check.h"

namespace sonorix {
namespace {

using fuzz::Require;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool IsDecimal(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t whole = i;
  i = SkipDigits(text, i);
  bool digits = i > whole;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction = ++i;
    i = SkipDigits(text, i);
    digits = digits || i > fraction;
  }
  if (!digits) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t exponent = i;
    i = SkipDigits(text, i);
    if (i == exponent) return false;
  }
  return i == text.size();
}

void CheckParseNumber(std::string_view text) {
  const auto parsed = ParseNumber(text);
  const std::string_view number = TrimSpaces(text);
  if (!IsDecimal(number)) {
    Require(!parsed, "only decimal numbers are numbers");
    return;
  }
  const std::string copy(number);
  errno = 0;
  const double expected = std::strtod(copy.c_str(), nullptr);
  if (!std::isfinite(expected)) {
    Require(!parsed, "a number too large for a double is no number");
  } else if (errno == ERANGE) {
    Require(!parsed || *parsed == expected, "a number too small reads as its nearest double");
  } else {
    Require(parsed && *parsed == expected, "a decimal number reads as its nearest double");
  }
}

// Every "m:" out of the text, left to right, as a plain text replace does.
std::string WithoutMarker(std::string_view text, std::string_view marker) {
  std::string rest;
  for (std::size_t i = 0; i < text.size();) {
    if (text.substr(i, marker.size()) == marker) {
      i += marker.size();
    } else {
      rest += text[i++];
    }
  }
  return rest;
}

void CheckParseSeekAmount(std::string_view text) {
  const auto amount = ParseSeekAmount(text);
  Require(!amount || std::isfinite(*amount), "a seek amount is a finite number");
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) {
    Require(amount == ParseNumber(text), "without a colon a seek amount is plain seconds");
    return;
  }
  const std::string minutesText(text.substr(0, colon));
  const auto minutes = ParseNumber(minutesText);
  const auto seconds = ParseNumber(WithoutMarker(text, minutesText + ":"));
  if (!minutes || !seconds) {
    Require(!amount, "either part no number makes no seek amount");
    return;
  }
  const double expected = std::floor(*seconds) + std::floor(*minutes) * 60;
  if (std::isfinite(expected)) Require(amount == expected, "m:ss is minutes and whole seconds");
}

void CheckRoundHalfEven(double value) {
  if (!std::isfinite(value)) return;
  const double rounded = RoundHalfEven(value);
  const double distance = std::fabs(rounded - value);
  Require(rounded == std::trunc(rounded) && distance <= 0.5, "rounds to a near whole number");
  if (distance == 0.5) Require(std::fmod(rounded, 2) == 0, "halves go to the even neighbour");
}

}  // namespace
}  // namespace sonorix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  sonorix::CheckParseNumber(text);
  sonorix::CheckParseSeekAmount(text);
  if (size >= sizeof(double)) {
    double value = 0;
    std::memcpy(&value, bytes, sizeof value);
    sonorix::CheckRoundHalfEven(value);
  }
  return 0;
}
