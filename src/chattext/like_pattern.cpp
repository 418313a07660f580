#include "chattext/like_pattern.h"

#include <bitset>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sonorix {

namespace {

// Decodes UTF-8 leniently: a stray byte stands for itself, so no input can
// make the match fail to advance.
std::u32string Decode(std::string_view text) {
  std::u32string result;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    bool valid = i + extra < text.size() || extra == 0;
    for (int k = 1; valid && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    if (!valid) code = lead;
    result.push_back(code);
    i += valid ? extra + 1 : 1;
  }
  return result;
}

struct CharClass {
  bool negated = false;
  std::vector<std::pair<char32_t, char32_t>> ranges;
  std::bitset<128> ascii;  // the answer for each ASCII character, worked out once

  bool InRanges(char32_t c) const {
    for (const auto& [low, high] : ranges) {
      if (low <= c && c <= high) return true;
    }
    return false;
  }
  void Finish() {
    for (char32_t c = 0; c < ascii.size(); ++c) ascii[c] = InRanges(c) != negated;
  }
  bool Matches(char32_t c) const { return c < ascii.size() ? ascii[c] : InRanges(c) != negated; }
};

// One element of a parsed pattern: a star, or a test of one text character.
struct Token {
  enum class Kind { kStar, kAny, kDigit, kLiteral, kClass } kind;
  char32_t literal = 0;
  std::size_t cls = 0;  // index into the pattern's classes
};

// The bracketed class starting at `at` and the position after its "]", or
// nothing when no "]" closes it. Inside, "[" and every other character but
// "]" stand for themselves.
std::optional<std::pair<CharClass, std::size_t>> ReadClass(const std::u32string& pattern,
                                                           std::size_t at) {
  CharClass result;
  std::size_t i = at + 1;
  if (i < pattern.size() && pattern[i] == U'!') {
    result.negated = true;
    ++i;
  }
  for (; i < pattern.size() && pattern[i] != U']'; ++i) {
    if (i + 2 < pattern.size() && pattern[i + 1] == U'-' && pattern[i + 2] != U']') {
      result.ranges.emplace_back(pattern[i], pattern[i + 2]);
      i += 2;
    } else {
      result.ranges.emplace_back(pattern[i], pattern[i]);
    }
  }
  if (i >= pattern.size()) return std::nullopt;
  result.Finish();
  return std::pair{std::move(result), i + 1};
}

// The pattern read once, so matching never looks at its text again.
class Pattern {
 public:
  explicit Pattern(std::string_view text) {
    const std::u32string pattern = Decode(text);
    for (std::size_t p = 0; p < pattern.size();) p = ReadToken(pattern, p);
  }

  // Classic star backtracking: remember the last "*" and retry it one
  // character further whenever the rest fails.
  bool Matches(const std::u32string& text) const {
    std::size_t t = 0, p = 0;
    std::optional<std::pair<std::size_t, std::size_t>> star;  // token after *, text there
    while (t < text.size()) {
      if (p < tokens_.size() && tokens_[p].kind == Token::Kind::kStar) {
        star = {++p, t};
      } else if (p < tokens_.size() && TakesOne(tokens_[p], text[t])) {
        ++p;
        ++t;
      } else if (star) {
        p = star->first;
        t = ++star->second;
      } else {
        return false;
      }
    }
    while (p < tokens_.size() && tokens_[p].kind == Token::Kind::kStar) ++p;
    return p == tokens_.size();
  }

 private:
  // Adds the token at p; where the next one starts.
  std::size_t ReadToken(const std::u32string& pattern, std::size_t p) {
    switch (pattern[p]) {
      case U'*':
        tokens_.push_back({Token::Kind::kStar});
        return p + 1;
      case U'?':
        tokens_.push_back({Token::Kind::kAny});
        return p + 1;
      case U'#':
        tokens_.push_back({Token::Kind::kDigit});
        return p + 1;
      case U'[':
        if (auto cls = ReadClass(pattern, p)) {
          // "[]" stands for no character at all, so it leaves no token.
          if (cls->second != p + 2) {
            tokens_.push_back({Token::Kind::kClass, 0, classes_.size()});
            classes_.push_back(std::move(cls->first));
          }
          return cls->second;
        }
        break;
      default:
        break;
    }
    tokens_.push_back({Token::Kind::kLiteral, pattern[p]});
    return p + 1;
  }

  bool TakesOne(const Token& token, char32_t c) const {
    switch (token.kind) {
      case Token::Kind::kAny:
        return true;
      case Token::Kind::kDigit:
        return c >= U'0' && c <= U'9';
      case Token::Kind::kClass:
        return classes_[token.cls].Matches(c);
      case Token::Kind::kLiteral:
        return c == token.literal;
      case Token::Kind::kStar:
        return false;
    }
    return false;
  }

  std::vector<Token> tokens_;
  std::vector<CharClass> classes_;
};

}  // namespace

bool Like(std::string_view text, std::string_view pattern) {
  return Pattern(pattern).Matches(Decode(text));
}

}  // namespace sonorix
