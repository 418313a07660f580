#include "aolsim/chat_markup.h"

#include <algorithm>

namespace sonorix::aolsim {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// Calls onText for each stretch between tags and onTag for the inside of
// each tag, in order.
template <typename OnText, typename OnTag>
void ForEachToken(std::string_view html, OnText onText, OnTag onTag) {
  std::size_t at = 0;
  while (at < html.size()) {
    const std::size_t open = html.find('<', at);
    const std::size_t close = open == html.npos ? html.npos : html.find('>', open + 1);
    if (close == html.npos) {
      onText(html.substr(at));
      return;
    }
    if (open > at) onText(html.substr(at, open - at));
    onTag(html.substr(open + 1, close - open - 1));
    at = close + 1;
  }
}

struct Tag {
  bool closing = false;
  std::string_view name;
  std::string_view attributes;
};

Tag ReadTag(std::string_view inside) {
  Tag tag;
  std::size_t at = inside.find_first_not_of(kBlanks);
  if (at == inside.npos) return tag;
  if (inside[at] == '/') {
    tag.closing = true;
    ++at;
  }
  const std::size_t end = std::min(inside.find_first_of(" \t\r\n/", at), inside.size());
  tag.name = inside.substr(at, end - at);
  tag.attributes = inside.substr(end);
  return tag;
}

struct Attribute {
  std::string_view name;
  std::string_view value;
};

// The attribute at or after `at`, which moves past it; a value may be quoted
// with either quote or bare up to the next blank.
std::optional<Attribute> NextAttribute(std::string_view text, std::size_t& at) {
  at = std::min(text.find_first_not_of(" \t\r\n/", at), text.size());
  if (at == text.size()) return std::nullopt;
  const std::size_t nameEnd = std::min(text.find_first_of(" \t\r\n=", at), text.size());
  Attribute attribute{text.substr(at, nameEnd - at), {}};
  at = std::min(text.find_first_not_of(kBlanks, nameEnd), text.size());
  if (at == text.size() || text[at] != '=') return attribute;
  at = std::min(text.find_first_not_of(kBlanks, at + 1), text.size());
  if (at == text.size()) return attribute;
  const char quote = text[at];
  const bool quoted = quote == '"' || quote == '\'';
  const std::size_t start = quoted ? at + 1 : at;
  const std::size_t end =
      std::min(quoted ? text.find(quote, start) : text.find_first_of(kBlanks, start), text.size());
  attribute.value = text.substr(start, end - start);
  at = quoted ? std::min(end + 1, text.size()) : end;
  return attribute;
}

std::optional<std::string_view> AttributeValue(std::string_view attributes, std::string_view name) {
  std::size_t at = 0;
  while (const auto attribute = NextAttribute(attributes, at)) {
    if (EqualsNoCase(attribute->name, name)) return attribute->value;
  }
  return std::nullopt;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = Lower(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// "#RRGGBB" or "RRGGBB" as 0x00BBGGRR; anything else is not a colour.
std::optional<std::uint32_t> ParseColour(std::string_view value) {
  if (!value.empty() && value.front() == '#') value.remove_prefix(1);
  if (value.size() != 6) return std::nullopt;
  std::uint32_t rgb = 0;
  for (const char c : value) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    rgb = (rgb << 4) | static_cast<std::uint32_t>(digit);
  }
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

void ApplyTag(const Tag& tag, TextRun& style) {
  if (EqualsNoCase(tag.name, "b")) {
    style.bold = !tag.closing;
  } else if (EqualsNoCase(tag.name, "u")) {
    style.underline = !tag.closing;
  } else if (EqualsNoCase(tag.name, "font") && !tag.closing) {
    if (const auto value = AttributeValue(tag.attributes, "color")) {
      if (const auto colour = ParseColour(*value)) style.colour = colour;
    }
  }
}

bool SameStyle(const TextRun& a, const TextRun& b) {
  return a.colour == b.colour && a.bold == b.bold && a.underline == b.underline;
}

}  // namespace

std::string StripTags(std::string_view html) {
  std::string text;
  text.reserve(html.size());
  ForEachToken(
      html, [&](std::string_view piece) { text += piece; }, [](std::string_view) {});
  return text;
}

std::vector<TextRun> ParseRuns(std::string_view html) {
  std::vector<TextRun> runs;
  TextRun style;
  const auto onText = [&](std::string_view piece) {
    if (runs.empty() || !SameStyle(runs.back(), style)) {
      runs.push_back(style);
      runs.back().text.clear();
    }
    runs.back().text += piece;
  };
  ForEachToken(html, onText, [&](std::string_view inside) { ApplyTag(ReadTag(inside), style); });
  return runs;
}

}  // namespace sonorix::aolsim
