// Making and deleting presets and styles: the rules, apart from the windows.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/colour.h"
#include "core/look_name.h"
#include "core/settings.h"

namespace sonorix {

// What deleting the selected entry comes to: the current one is refused,
// whatever the case its name is written in, as Windows file names are
// case-blind; so is a name that may not become a file.
struct Deletion {
  bool remove = false;
  std::string message;
};
Deletion PresetDeletion(std::string_view selected, std::string_view current);
Deletion StyleDeletion(std::string_view selected, std::string_view current);

inline constexpr std::string_view kUnusableNameMessage =
    "Please use a name that can be a file name: no \\ / : * ? \" < > | or .., no blank or dot "
    "at its ends, and no device name such as CON, NUL, COM1 or LPT1.";

// Picks the five colours in turn for fade1, fade2, label, list and button,
// then writes the preset's name and them. A cancelled pick makes no preset:
// false, as when nothing reached the disk.
bool MakePreset(Settings& settings, std::string_view name, const ColourPick& pick);

// The style maker's four fields, as typed.
struct StyleFields {
  std::string name, ascii, acolor, fcolor;
};
// The first field that cannot be saved, as the message that says so.
enum class StyleField { kName, kAscii, kAcolor, kFcolor };
struct StyleProblem {
  StyleField field;     // where the user is taken back to
  std::string message;  // what he is told
};
std::optional<StyleProblem> StyleFieldProblem(const StyleFields& fields);
// Writes the style file named after the style; the current style stays.
// False when it did not reach the disk.
bool SaveStyle(Settings& settings, const StyleFields& fields);

}  // namespace sonorix
