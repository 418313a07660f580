#include "bot/own_lines.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace sonorix {

namespace {

// The longest entity a client may decode, "&" and ";" included ("&#x1F600;").
constexpr std::size_t kLongestEntity = 10;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::string WithoutBlanks(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (const char c : text) {
    if (!IsBlank(c)) kept += c;
  }
  return kept;
}

// The bytes of the UTF-8 character that starts at the position; a byte that
// starts no well-formed character stands for itself.
std::size_t CharLength(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (at + length > text.size()) return 1;
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

char32_t CodePoint(std::string_view text, std::size_t at, std::size_t length) {
  const auto byte = [&](std::size_t k) { return static_cast<char32_t>(text[at + k] & 0x3F); };
  const auto lead = static_cast<unsigned char>(text[at]);
  switch (length) {
    case 2:
      return (static_cast<char32_t>(lead & 0x1F) << 6) | byte(1);
    case 3:
      return (static_cast<char32_t>(lead & 0x0F) << 12) | (byte(1) << 6) | byte(2);
    case 4:
      return (static_cast<char32_t>(lead & 0x07) << 18) | (byte(1) << 12) | (byte(2) << 6) |
             byte(3);
    default:
      return lead;
  }
}

// Windows-1252: Latin-1 without its C1 controls, and these 27 in their place.
bool InWindows1252(char32_t c) {
  static constexpr std::array<char32_t, 27> kExtra = {
      0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
      0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return true;
  return std::find(kExtra.begin(), kExtra.end(), c) != kExtra.end();
}

// Walks the html and the shown text together, every way a client could have
// rendered the html; a state is a position in each. Every step moves on in
// the html, so the states are taken html position by html position, each
// only once.
class Renderings {
 public:
  Renderings(std::string_view html, std::string_view shown)
      : html_(html), shown_(shown), shownAt_(html.size() + 1) {
    Add(0, 0);
  }

  bool Possible(std::size_t steps) {
    for (std::size_t i = 0; i < html_.size(); ++i) {
      std::vector<std::size_t> positions = std::move(shownAt_[i]);
      std::sort(positions.begin(), positions.end());
      positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
      for (const std::size_t j : positions) {
        // Each state adds at most five, so the time follows the steps.
        if (steps-- == 0) return true;
        Step(i, j);
      }
    }
    const std::vector<std::size_t>& ends = shownAt_[html_.size()];
    return std::find(ends.begin(), ends.end(), shown_.size()) != ends.end();
  }

 private:
  void Add(std::size_t i, std::size_t j) {
    if (j <= shown_.size()) shownAt_[i].push_back(j);
  }

  // One shown character, wherever it came from.
  std::size_t AnyOne(std::size_t j) const {
    return j < shown_.size() ? j + CharLength(shown_, j) : shown_.size() + 1;
  }

  void Step(std::size_t i, std::size_t j) {
    const char c = html_[i];
    if (IsBlank(c)) return Add(i + 1, j);
    if (c == '<') {
      const std::size_t close = html_.find('>', i + 1);
      Add(close == std::string_view::npos ? html_.size() : close + 1, j);
    }
    if (c == '&') {
      const std::size_t semicolon = html_.find(';', i + 1);
      if (semicolon != std::string_view::npos && semicolon - i < kLongestEntity) {
        Add(semicolon + 1, AnyOne(j));
      }
    }
    const std::size_t length = CharLength(html_, i);
    const char32_t code = CodePoint(html_, i, length);
    if (!InWindows1252(code)) {
      Add(i + length, AnyOne(j));
      if (code > 0xFFFF && j < shown_.size()) Add(i + length, AnyOne(AnyOne(j)));
    }
    if (j < shown_.size() && shown_[j] == c) Add(i + 1, j + 1);
  }

  std::string_view html_;
  std::string_view shown_;
  std::vector<std::vector<std::size_t>> shownAt_;  // by html position
};

}  // namespace

bool MayShowAsWithin(std::string_view html, std::string_view text, std::size_t steps) {
  const std::string shown = WithoutBlanks(text);
  return Renderings(html, shown).Possible(steps);
}

// A line rendered plainly takes about one step a byte; the room to spare
// covers its tags and characters shown as look-alikes.
bool MayShowAs(std::string_view html, std::string_view text) {
  constexpr std::size_t kStepsPerByte = 1, kSpareSteps = 256;
  return MayShowAsWithin(html, text, kStepsPerByte * (html.size() + text.size()) + kSpareSteps);
}

void OwnLines::Remember(std::string_view html) {
  inFlight_.emplace_back(html);
  if (inFlight_.size() > kMostInFlight) inFlight_.pop_front();
}

bool OwnLines::TakeEcho(std::string_view text) {
  const auto shown = std::find_if(inFlight_.begin(), inFlight_.end(),
                                  [&](const std::string& html) { return MayShowAs(html, text); });
  if (shown == inFlight_.end()) return false;
  inFlight_.erase(inFlight_.begin(), shown + 1);
  return true;
}

}  // namespace sonorix
