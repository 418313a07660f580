#include "chattext/like_pattern.h"

#include <optional>
#include <string>
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
  std::size_t length = 0;  // pattern characters the class takes, brackets included

  bool Matches(char32_t c) const {
    bool inList = false;
    for (const auto& [low, high] : ranges) inList = inList || (low <= c && c <= high);
    return inList != negated;
  }
};

// The bracketed class starting at `at`, or nothing when no "]" closes it.
std::optional<CharClass> ReadClass(const std::u32string& pattern, std::size_t at) {
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
  result.length = i - at + 1;
  return result;
}

class Matcher {
 public:
  Matcher(std::string_view text, std::string_view pattern)
      : text_(Decode(text)), pattern_(WithoutEmptyClasses(Decode(pattern))) {}

  // Classic star backtracking: remember the last "*" and retry it one
  // character further whenever the rest fails. Linear in practice.
  bool Run() {
    std::size_t t = 0, p = 0;
    std::optional<std::pair<std::size_t, std::size_t>> star;  // pattern after *, text there
    while (t < text_.size()) {
      if (p < pattern_.size() && pattern_[p] == U'*') {
        star = {++p, t};
      } else if (std::size_t taken = 0; p < pattern_.size() && StepOne(p, t, taken)) {
        p += taken;
        ++t;
      } else if (star) {
        p = star->first;
        t = ++star->second;
      } else {
        return false;
      }
    }
    return RestMatchesNothing(p);
  }

 private:
  // "[]" stands for no character at all, so it can simply go.
  static std::u32string WithoutEmptyClasses(std::u32string pattern) {
    for (auto at = pattern.find(U"[]"); at != std::u32string::npos; at = pattern.find(U"[]", at)) {
      pattern.erase(at, 2);
    }
    return pattern;
  }

  // Whether pattern element p matches text character t; `taken` is its length.
  bool StepOne(std::size_t p, std::size_t t, std::size_t& taken) const {
    const char32_t c = text_[t];
    taken = 1;
    switch (pattern_[p]) {
      case U'?': return true;
      case U'#': return c >= U'0' && c <= U'9';
      case U'[': {
        const auto cls = ReadClass(pattern_, p);
        if (!cls) return c == U'[';
        taken = cls->length;
        return cls->Matches(c);
      }
      default: return c == pattern_[p];
    }
  }

  bool RestMatchesNothing(std::size_t p) const {
    while (p < pattern_.size() && pattern_[p] == U'*') ++p;
    return p == pattern_.size();
  }

  std::u32string text_;
  std::u32string pattern_;
};

}  // namespace

bool Like(std::string_view text, std::string_view pattern) { return Matcher(text, pattern).Run(); }

}  // namespace sonorix
