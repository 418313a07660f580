// `Like` against a plain backtracking matcher written from its rules alone:
//   "*" any run of characters (also none), "?" any one character, "#" one digit 0-9,
//   "[list]" one character of the list, "[!list]" one character not in it, where the list
//   runs to the first "]" and holds characters and ranges "a-f" (a "-" first or last in the
//   list stands for itself); "[]" stands for no character at all; a "[" that no "]" closes,
//   and any other character, stands for itself. Characters are code points.
// The first byte splits the rest into text and pattern; their bytes pick characters from a
// small alphabet rich in the special ones, so the two matchers see the same code points.
// The raw bytes go to `Like` as well, where only a crash or a hang would count.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chattext/like_pattern.h"
#include "fuzz_check.h"

namespace sonorix {
namespace {

class Reference {
 public:
  Reference(std::u32string text, std::u32string pattern)
      : text_(std::move(text)),
        pattern_(std::move(pattern)),
        memo_((text_.size() + 1) * (pattern_.size() + 1)) {}

  bool Matches() { return From(0, 0); }

 private:
  // Whether text from t matches pattern from p; each pair is worked out once.
  bool From(std::size_t t, std::size_t p) {
    auto& known = memo_[t * (pattern_.size() + 1) + p];
    if (!known) known = Step(t, p);
    return *known;
  }

  bool Step(std::size_t t, std::size_t p) {
    if (p == pattern_.size()) return t == text_.size();
    const bool more = t < text_.size();
    switch (pattern_[p]) {
      case U'*':
        return From(t, p + 1) || (more && From(t + 1, p));
      case U'?':
        return more && From(t + 1, p + 1);
      case U'#':
        return more && text_[t] >= U'0' && text_[t] <= U'9' && From(t + 1, p + 1);
      case U'[': {
        const auto close = pattern_.find(U']', p + 1);
        if (close != std::u32string::npos) return Class(t, p + 1, close);
        break;
      }
      default:
        break;
    }
    return more && text_[t] == pattern_[p] && From(t + 1, p + 1);
  }

  // The class whose list runs from `begin` to the "]" at `close`.
  bool Class(std::size_t t, std::size_t begin, std::size_t close) {
    if (begin == close) return From(t, close + 1);
    const bool negated = pattern_[begin] == U'!';
    if (t == text_.size()) return false;
    return InList(text_[t], negated ? begin + 1 : begin, close) != negated &&
           From(t + 1, close + 1);
  }

  bool InList(char32_t c, std::size_t i, std::size_t close) const {
    for (; i < close; ++i) {
      if (i + 2 < close && pattern_[i + 1] == U'-') {
        if (pattern_[i] <= c && c <= pattern_[i + 2]) return true;
        i += 2;
      } else if (pattern_[i] == c) {
        return true;
      }
    }
    return false;
  }

  std::u32string text_, pattern_;
  std::vector<std::optional<bool>> memo_;
};

// Letters, digits, every special character of the pattern language, and some beyond ASCII.
constexpr std::u32string_view kAlphabet = U"ab AZ09*?#[]!-[]!*é€😀";

struct Side {
  std::string utf8;
  std::u32string code_points;
};

void Append(Side& side, char32_t c) {
  side.code_points.push_back(c);
  if (c < 0x80) {
    side.utf8 += static_cast<char>(c);
    return;
  }
  constexpr char32_t kLead[] = {0xC0, 0xE0, 0xF0};
  const int extra = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  side.utf8 += static_cast<char>(kLead[extra - 1] | (c >> (6 * extra)));
  for (int k = extra - 1; k >= 0; --k) {
    side.utf8 += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
  }
}

Side FromAlphabet(std::string_view bytes) {
  Side side;
  for (const char b : bytes) {
    Append(side, kAlphabet[static_cast<unsigned char>(b) % kAlphabet.size()]);
  }
  return side;
}

}  // namespace
}  // namespace sonorix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  if (size == 0 || size > 64) return 0;
  const std::string_view all(reinterpret_cast<const char*>(bytes), size);
  const std::size_t split = 1 + bytes[0] % size;
  const std::string_view text = all.substr(1, split - 1), pattern = all.substr(split);
  sonorix::Like(text, pattern);
  const auto left = sonorix::FromAlphabet(text), right = sonorix::FromAlphabet(pattern);
  const bool expected = sonorix::Reference(left.code_points, right.code_points).Matches();
  const bool actual = sonorix::Like(left.utf8, right.utf8);
  if (actual != expected) {
    std::fprintf(stderr, "finding: Like(\"%s\", \"%s\") is %d\n", left.utf8.c_str(),
                 right.utf8.c_str(), actual);
  }
  sonorix::fuzz::Require(actual == expected, "Like agrees with the reference matcher");
  return 0;
}
