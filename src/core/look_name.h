// The one rule for a preset's or style's name, which becomes a file name in
// the program folder: whatever reads or writes a look file asks it first.
#pragma once

#include <string_view>

namespace sonorix {

// Why a name cannot be a look file's name, or kUsable.
enum class LookNameProblem {
  kUsable,
  kEmpty,
  kControlCharacter,  // cannot be typed back, or breaks the settings line
  kPathCharacter,     // \ / : * ? " < > | lead out of the folder or are not allowed
  kDotDot,            // ".." names the folder above
  kDeviceName,        // CON, PRN, AUX, NUL, COM0-9, LPT0-9, CONIN$, CONOUT$ open a device
  kReadsBackChanged,  // blanks at its ends, a trailing dot, or enclosing quotes
  kTooLong,           // with ".ini" longer than a file name may be
};

LookNameProblem CheckLookName(std::string_view name);
inline bool IsUsableLookName(std::string_view name) {
  return CheckLookName(name) == LookNameProblem::kUsable;
}

}  // namespace sonorix
