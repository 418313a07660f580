#include "look/look_files.h"

#include <algorithm>
#include <array>

#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

Deletion Delete(std::string_view selected, std::string_view current, std::string_view prefix,
                std::string_view kind) {
  if (!IsUsableLookName(selected)) return {false, std::string(kUnusableNameMessage)};
  if (LowerCase(selected) == LowerCase(current)) {
    return {false,
            "Cannot delete, because its already loaded as your custom " + std::string(kind) + "."};
  }
  return {true, std::string(prefix) + std::string(selected) + ".ini as been deleted."};
}

bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// Chat lines place the colour after "#" in a font tag as it stands: only
// what would end the tag or the line breaks it.
bool FitsFontTag(std::string_view colour) {
  return !HasControlCharacter(colour) && colour.find_first_of("\"<>") == std::string_view::npos;
}

}  // namespace

Deletion PresetDeletion(std::string_view selected, std::string_view current) {
  return Delete(selected, current, "Preset : ", "preset");
}

Deletion StyleDeletion(std::string_view selected, std::string_view current) {
  return Delete(selected, current, "style : ", "style");
}

bool MakePreset(Settings& settings, std::string_view name, const ColourPick& pick) {
  std::array<Colour, kPresetColours.size()> colours;
  for (Colour& colour : colours) {
    const std::optional<Colour> picked = pick();
    if (!picked) return false;
    colour = *picked;
  }
  return settings.WritePreset(name, colours);
}

std::optional<StyleProblem> StyleFieldProblem(const StyleFields& fields) {
  struct Field {
    const std::string* text;
    const char* what;
    StyleField field;
  };
  const std::array<Field, 4> required{{{&fields.name, "name", StyleField::kName},
                                       {&fields.ascii, "ascii", StyleField::kAscii},
                                       {&fields.acolor, "acolor", StyleField::kAcolor},
                                       {&fields.fcolor, "fcolor", StyleField::kFcolor}}};
  for (const auto& [text, what, field] : required) {
    if (text->empty())
      return StyleProblem{field, "Please fill in the " + std::string(what) + " of your style."};
  }
  if (!IsUsableLookName(fields.name)) {
    return StyleProblem{StyleField::kName, std::string(kUnusableNameMessage)};
  }
  if (HasControlCharacter(fields.ascii)) {
    return StyleProblem{StyleField::kAscii, "Please keep the ascii of your style on one line."};
  }
  for (const auto& [text, what, field] : {required[2], required[3]}) {
    if (!FitsFontTag(*text)) {
      return StyleProblem{
          field, "Please fill in the " + std::string(what) + " without \" < > or line breaks."};
    }
  }
  return std::nullopt;
}

bool SaveStyle(Settings& settings, const StyleFields& fields) {
  return settings.WriteStyle(fields.name, fields.ascii, fields.acolor, fields.fcolor);
}

}  // namespace sonorix
