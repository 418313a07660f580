#include "chattext/text_helpers.h"

#include <algorithm>
#include <charconv>

namespace sonorix {

// UTF-8 never uses ASCII bytes inside a multi-byte sequence, so a byte walk
// cannot split a character.
std::string AccentText(std::string_view text) {
  std::string result;
  result.reserve(text.size() + text.size() / 2);
  for (const char c : text) {
    switch (c) {
      case 'a': result += "\xC3\xA1"; break;  // á
      case 'e': result += "\xC3\xA9"; break;  // é
      case 'o': result += "\xC3\xB8"; break;  // ø
      default: result += c; break;
    }
  }
  return result;
}

std::string StripSpaces(std::string_view text) {
  std::string result(text);
  result.erase(std::remove(result.begin(), result.end(), ' '), result.end());
  return result;
}

namespace {

std::string_view Left(std::string_view text, std::size_t n) { return text.substr(0, n); }
std::string_view Mid(std::string_view text, std::size_t from, std::size_t n) {
  return from < text.size() ? text.substr(from, n) : std::string_view{};
}
std::string_view Right(std::string_view text, std::size_t n) {
  return text.substr(text.size() - std::min(n, text.size()));
}

}  // namespace

Colour HtmlToColor(std::string& text) {
  if (!text.empty() && text.front() == '#') text = std::string(Right(text, 6));
  const std::string digits =
      "00" + std::string(Right(text, 2)) + std::string(Mid(text, 2, 2)) + std::string(Left(text, 2));
  // from_chars stops at the first non-hex digit and keeps what it read.
  std::uint32_t value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  return Colour{value};
}

}  // namespace sonorix
