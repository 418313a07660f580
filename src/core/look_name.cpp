#include "core/look_name.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace sonorix {

namespace {

// A file name holds at most 255 UTF-16 units, and ".ini" takes four.
constexpr std::size_t kMaxNameUnits = 255 - 4;

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameAsciiCaseBlind(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiUpper(x) == AsciiUpper(y);
         });
}

// Windows opens the device for its name with any extension, and with
// blanks before the dot: "nul.ini", "com1 .txt".
bool IsDeviceName(std::string_view name) {
  std::string_view stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  for (const std::string_view device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
    if (SameAsciiCaseBlind(stem, device)) return true;
  }
  if (stem.size() < 4) return false;
  const std::string_view head = stem.substr(0, 3);
  if (!SameAsciiCaseBlind(head, "COM") && !SameAsciiCaseBlind(head, "LPT")) return false;
  const std::string_view number = stem.substr(3);
  // The superscript digits count as well: "COM¹" is a port too.
  return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\xC2\xB9" ||
         number == "\xC2\xB2" || number == "\xC2\xB3";
}

// The profile reader drops the blanks around a value and one pair of
// enclosing quotes, so such a name would come back as another.
bool ReadsBackChanged(std::string_view name) {
  if (name.front() == ' ' || name.back() == ' ' || name.back() == '.') return true;
  return name.size() >= 2 && name.front() == '\'' && name.back() == '\'';
}

std::size_t Utf16Units(std::string_view utf8) {
  std::size_t units = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) ++units;  // a lead byte starts a character
    if ((byte & 0xF8) == 0xF0) ++units;  // four bytes need a surrogate pair
  }
  return units;
}

}  // namespace

LookNameProblem CheckLookName(std::string_view name) {
  if (name.empty()) return LookNameProblem::kEmpty;
  if (std::any_of(name.begin(), name.end(), IsControl)) return LookNameProblem::kControlCharacter;
  if (name.find_first_of("\\/:*?\"<>|") != std::string_view::npos) {
    return LookNameProblem::kPathCharacter;
  }
  if (name.find("..") != std::string_view::npos) return LookNameProblem::kDotDot;
  if (ReadsBackChanged(name)) return LookNameProblem::kReadsBackChanged;
  if (IsDeviceName(name)) return LookNameProblem::kDeviceName;
  if (Utf16Units(name) > kMaxNameUnits) return LookNameProblem::kTooLong;
  return LookNameProblem::kUsable;
}

}  // namespace sonorix
