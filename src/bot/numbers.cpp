#include "bot/numbers.h"

#include <charconv>
#include <cmath>
#include <string>

namespace sonorix {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  text = TrimBlanks(text);
  // from_chars takes a "-" but no "+"; dropping the "+" must not let "+-3" through.
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// "m:ss": every "m:" is taken out of the text and the rest read as seconds,
// so "1:30" is 90 and "0:45" is 45.
std::optional<double> ParseSeekAmount(std::string_view text) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return ParseNumber(text);
  const std::string minutesText(text.substr(0, colon));
  std::string rest(text);
  const std::string marker = minutesText + ":";
  for (auto at = rest.find(marker); at != std::string::npos; at = rest.find(marker, at)) {
    rest.erase(at, marker.size());
  }
  const auto minutes = ParseNumber(minutesText);
  const auto seconds = ParseNumber(rest);
  if (!minutes || !seconds) return std::nullopt;
  // Minutes near the largest double overflow to infinity, which no player can seek by.
  const double amount = std::floor(*seconds) + std::floor(*minutes) * 60;
  if (!std::isfinite(amount)) return std::nullopt;
  return amount;
}

double RoundHalfEven(double value) { return std::nearbyint(value); }

}  // namespace sonorix
