#include "look/look_files.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace sonorix {

namespace {

Deletion Delete(std::string_view selected, std::string_view current, std::string_view prefix,
                std::string_view kind) {
  if (selected == current) {
    return {false,
            "Cannot delete, because its already loaded as your custom " + std::string(kind) + "."};
  }
  return {true, std::string(prefix) + std::string(selected) + ".ini as been deleted."};
}

bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// Chat lines place the colour after "#" in a font tag as it stands.
bool IsHtmlColour(std::string_view text) {
  return text.size() == 6 && std::all_of(text.begin(), text.end(), [](char c) {
           return std::isxdigit(static_cast<unsigned char>(c)) != 0;
         });
}

}  // namespace

Deletion PresetDeletion(std::string_view selected, std::string_view current) {
  return Delete(selected, current, "Preset : ", "preset");
}

Deletion StyleDeletion(std::string_view selected, std::string_view current) {
  return Delete(selected, current, "style : ", "style");
}

bool IsUsableLookName(std::string_view name) {
  constexpr std::string_view kForbidden = "\\/:*?\"<>|";
  if (name.empty() || HasControlCharacter(name)) return false;
  if (name.find_first_of(kForbidden) != std::string_view::npos) return false;
  return name.front() != ' ' && name.back() != ' ' && name.back() != '.';
}

void MakePreset(Settings& settings, std::string_view name, const std::function<Colour()>& pick) {
  const std::string file = settings.PresetFile(name);
  settings.WriteIni("preset", "name", name, file);
  for (const char* key : {"fade1", "fade2", "label", "list", "button"}) {
    settings.WriteIni("preset", key, std::to_string(pick().bgr), file);
  }
}

std::optional<std::string> StyleFieldProblem(const StyleFields& fields) {
  const std::array<std::pair<const std::string*, const char*>, 4> required{
      {{&fields.name, "name"},
       {&fields.ascii, "ascii"},
       {&fields.acolor, "acolor"},
       {&fields.fcolor, "fcolor"}}};
  for (const auto& [text, what] : required) {
    if (text->empty()) return "Please fill in the " + std::string(what) + " of your style.";
  }
  if (!IsUsableLookName(fields.name)) return std::string(kUnusableNameMessage);
  if (HasControlCharacter(fields.ascii)) return "Please keep the ascii of your style on one line.";
  for (const auto& [text, what] : {required[2], required[3]}) {
    if (!IsHtmlColour(*text)) {
      return "Please fill in the " + std::string(what) + " as six hex digits, like FF9900.";
    }
  }
  return std::nullopt;
}

void SaveStyle(Settings& settings, const StyleFields& fields) {
  const std::string file = settings.StyleFile(fields.name);
  settings.WriteIni("styles", "style", fields.name, file);
  settings.WriteIni("styles", "ascii", fields.ascii, file);
  settings.WriteIni("styles", "acolor", fields.acolor, file);
  settings.WriteIni("styles", "fcolor", fields.fcolor, file);
}

}  // namespace sonorix
