#include "core/colour.h"

#include <charconv>

namespace sonorix {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<Colour> ParseColour(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int64_t value = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (value < 0 || value > 0xFFFFFF) return std::nullopt;
  return Colour{static_cast<std::uint32_t>(value)};
}

Colour ColourFromText(std::string_view text) { return ParseColour(text).value_or(kFallbackColour); }

}  // namespace sonorix
