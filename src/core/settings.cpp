#include "core/settings.h"

#include <algorithm>
#include <cctype>

namespace sonorix {

Settings::Settings(SettingsStore& store, std::string programFolder)
    : store_(store), programFolder_(std::move(programFolder)) {}

std::string Settings::ReadIni(std::string_view section, std::string_view key,
                              const std::string& file) const {
  return store_.Read(section, key, file);
}

void Settings::WriteIni(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& file) {
  std::string upper(key);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  store_.Write(section, upper, value, file);
}

std::string Settings::SettingsFile() const { return programFolder_ + "\\ini files\\sonorix.ini"; }

std::string Settings::PresetFile(std::string_view name) const {
  return programFolder_ + "\\presets\\" + std::string(name) + ".ini";
}

std::string Settings::StyleFile(std::string_view name) const {
  return programFolder_ + "\\styles\\" + std::string(name) + ".ini";
}

std::string Settings::ReadMain(std::string_view key) const {
  return ReadIni(kMainSection, key, SettingsFile());
}

void Settings::WriteMain(std::string_view key, std::string_view value) {
  WriteIni(kMainSection, key, value, SettingsFile());
}

// Five reads in a fixed order; the style file's section is asked for as
// "styles" once and "Styles" after, which the case-blind lookup treats alike.
Style Settings::ReadCurrentStyle() const {
  Style style;
  style.name = ReadMain(kStyleKey);
  const std::string file = StyleFile(style.name);
  style.title = ReadIni("styles", "style", file);
  style.acolor = ReadIni("Styles", "acolor", file);
  style.ascii = ReadIni("Styles", "ascii", file);
  style.fcolor = ReadIni("Styles", "fcolor", file);
  return style;
}

Preset Settings::ReadCurrentPreset() const { return ReadPreset(ReadMain(kPresetKey)); }

Preset Settings::ReadPreset(std::string_view name) const {
  Preset preset;
  preset.name = std::string(name);
  const std::string file = PresetFile(preset.name);
  preset.title = ReadIni("preset", "name", file);
  preset.fade1 = ColourFromText(ReadIni("preset", "fade1", file));
  preset.fade2 = ColourFromText(ReadIni("preset", "fade2", file));
  preset.label = ColourFromText(ReadIni("preset", "label", file));
  preset.list = ColourFromText(ReadIni("preset", "list", file));
  preset.button = ColourFromText(ReadIni("preset", "button", file));
  return preset;
}

std::optional<Colour> Settings::ReadCurrentButtonColour() const {
  return ParseColour(ReadIni("preset", "button", PresetFile(ReadMain(kPresetKey))));
}

}  // namespace sonorix
