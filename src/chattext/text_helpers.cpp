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

std::string LowerCase(std::string_view text) {
  std::string result(text);
  for (std::size_t i = 0; i < result.size(); ++i) {
    const auto c = static_cast<unsigned char>(result[i]);
    if (c >= 'A' && c <= 'Z') {
      result[i] = static_cast<char>(c + 32);
    } else if (c == 0xC3 && i + 1 < result.size()) {
      // U+00C0..U+00DE are C3 80..C3 9E; U+00D7 (multiplication sign) is no letter.
      const auto next = static_cast<unsigned char>(result[i + 1]);
      if (next >= 0x80 && next <= 0x9E && next != 0x97) result[i + 1] = static_cast<char>(next + 32);
      ++i;
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
