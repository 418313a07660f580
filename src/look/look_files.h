// Making and deleting presets and styles: the rules, apart from the windows.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/colour.h"
#include "core/settings.h"

namespace sonorix {

// What deleting the selected entry comes to: the current one is refused.
struct Deletion {
  bool remove = false;
  std::string message;
};
Deletion PresetDeletion(std::string_view selected, std::string_view current);
Deletion StyleDeletion(std::string_view selected, std::string_view current);

// A name that can be a preset's or style's file name and reads back as
// itself from the settings files: no path or wildcard characters, no
// control characters, no blanks or dot at its ends, not empty.
bool IsUsableLookName(std::string_view name);

inline constexpr std::string_view kUnusableNameMessage =
    "Please use a name that can be a file name: no \\ / : * ? \" < > | and no blank at its ends.";

// Writes the preset's name, then the five colours picked in turn for
// fade1, fade2, label, list and button.
void MakePreset(Settings& settings, std::string_view name, const std::function<Colour()>& pick);

// The style maker's four fields, as typed.
struct StyleFields {
  std::string name, ascii, acolor, fcolor;
};
// The first field that cannot be saved, as the message that says so.
std::optional<std::string> StyleFieldProblem(const StyleFields& fields);
// Writes the style file named after the style; the current style stays.
void SaveStyle(Settings& settings, const StyleFields& fields);

}  // namespace sonorix
