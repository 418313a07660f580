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
      case 'a':
        result += "\xC3\xA1";
        break;  // á
      case 'e':
        result += "\xC3\xA9";
        break;  // é
      case 'o':
        result += "\xC3\xB8";
        break;  // ø
      default:
        result += c;
        break;
    }
  }
  return result;
}

namespace {

// The two UTF-8 bytes of a capital that Windows-1252 holds outside ASCII,
// replaced by those of its small letter; all keep their length.
void LowerTwoBytes(char& lead, char& trail) {
  const auto first = static_cast<unsigned char>(lead);
  const auto second = static_cast<unsigned char>(trail);
  // U+00C0..U+00DE are C3 80..C3 9E; U+00D7 (multiplication sign) is no letter.
  if (first == 0xC3 && second >= 0x80 && second <= 0x9E && second != 0x97) {
    trail = static_cast<char>(second + 32);
  } else if (first == 0xC5 && (second == 0xA0 || second == 0x92 || second == 0xBD)) {
    trail = static_cast<char>(second + 1);  // Š, Œ, Ž: the small letter is the next one
  } else if (first == 0xC5 && second == 0xB8) {
    lead = '\xC3';  // Ÿ U+0178 becomes ÿ U+00FF
    trail = '\xBF';
  }
}

}  // namespace

std::string LowerCase(std::string_view text) {
  std::string result(text);
  for (std::size_t i = 0; i < result.size(); ++i) {
    const auto c = static_cast<unsigned char>(result[i]);
    if (c >= 'A' && c <= 'Z') {
      result[i] = static_cast<char>(c + 32);
    } else if (c >= 0xC0 && i + 1 < result.size() &&
               (static_cast<unsigned char>(result[i + 1]) & 0xC0) == 0x80) {
      LowerTwoBytes(result[i], result[i + 1]);
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
  const std::string digits = "00" + std::string(Right(text, 2)) + std::string(Mid(text, 2, 2)) +
                             std::string(Left(text, 2));
  // from_chars stops at the first non-hex digit and keeps what it read.
  std::uint32_t value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  return Colour{value};
}

}  // namespace sonorix
