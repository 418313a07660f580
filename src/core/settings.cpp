#include "core/settings.h"

#include <algorithm>
#include <cctype>

#include "core/look_name.h"
#include "core/trace.h"

namespace sonorix {

namespace {

std::string FolderOf(const std::string& file) { return file.substr(0, file.find_last_of('\\')); }

}  // namespace

std::string_view PresetColourKey(PresetColour colour) {
  switch (colour) {
    case PresetColour::kFade1:
      return "fade1";
    case PresetColour::kFade2:
      return "fade2";
    case PresetColour::kLabel:
      return "label";
    case PresetColour::kList:
      return "list";
    case PresetColour::kButton:
      break;
  }
  return "button";
}

Settings::Settings(SettingsStore& store, std::string programFolder)
    : store_(store), programFolder_(std::move(programFolder)) {}

std::string Settings::ReadIni(std::string_view section, std::string_view key,
                              const std::string& file) const {
  if (file.empty()) return {};
  return store_.Read(section, key, file);
}

bool Settings::WriteIni(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& file) {
  if (file.empty()) {
    Trace("settings not written: no file for [" + std::string(section) + "]");
    return false;
  }
  std::string upper(key);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (store_.Write(section, upper, value, file)) return true;
  Trace("settings not written: " + file);
  if (!toldWriteFailure_ && onWriteFailure_) {
    toldWriteFailure_ = true;
    onWriteFailure_(FolderOf(file));
  }
  return false;
}

std::string Settings::SettingsFile() const { return programFolder_ + "\\ini files\\sonorix.ini"; }

std::string Settings::LookFile(std::string_view folder, std::string_view name) const {
  if (!IsUsableLookName(name)) return {};
  return programFolder_ + "\\" + std::string(folder) + "\\" + std::string(name) + ".ini";
}

std::string Settings::PresetFile(std::string_view name) const {
  return LookFile(kPresetFolder, name);
}

std::string Settings::StyleFile(std::string_view name) const {
  return LookFile(kStyleFolder, name);
}

std::string Settings::ReadMain(std::string_view key) const {
  return ReadIni(kMainSection, key, SettingsFile());
}

bool Settings::WriteMain(std::string_view key, std::string_view value) {
  return WriteIni(kMainSection, key, value, SettingsFile());
}

Style Settings::ReadCurrentStyle() const { return ReadStyle(ReadMain(kStyleKey)); }

Style Settings::ReadStyle(std::string_view name) const {
  Style style;
  style.name = std::string(name);
  const std::string file = StyleFile(style.name);
  style.title = ReadIni(kStyleSection, kStyleNameKey, file);
  style.acolor = ReadIni(kStyleSection, kAcolorKey, file);
  style.ascii = ReadIni(kStyleSection, kAsciiKey, file);
  style.fcolor = ReadIni(kStyleSection, kFcolorKey, file);
  return style;
}

bool Settings::WriteStyle(std::string_view name, std::string_view ascii, std::string_view acolor,
                          std::string_view fcolor) {
  const std::string file = StyleFile(name);
  return WriteIni(kStyleSection, kStyleNameKey, name, file) &&
         WriteIni(kStyleSection, kAsciiKey, ascii, file) &&
         WriteIni(kStyleSection, kAcolorKey, acolor, file) &&
         WriteIni(kStyleSection, kFcolorKey, fcolor, file);
}

Preset Settings::ReadCurrentPreset() const { return ReadPreset(ReadMain(kPresetKey)); }

Preset Settings::ReadPreset(std::string_view name) const {
  Preset preset;
  preset.name = std::string(name);
  const std::string file = PresetFile(preset.name);
  const auto colour = [&](PresetColour which) {
    return ColourFromText(ReadIni(kPresetSection, PresetColourKey(which), file));
  };
  preset.title = ReadIni(kPresetSection, kPresetNameKey, file);
  preset.fade1 = colour(PresetColour::kFade1);
  preset.fade2 = colour(PresetColour::kFade2);
  preset.label = colour(PresetColour::kLabel);
  preset.list = colour(PresetColour::kList);
  preset.button = colour(PresetColour::kButton);
  return preset;
}

bool Settings::WritePreset(std::string_view name, const std::array<Colour, 5>& colours) {
  if (!WriteIni(kPresetSection, kPresetNameKey, name, PresetFile(name))) return false;
  for (std::size_t i = 0; i < kPresetColours.size(); ++i) {
    if (!WritePresetColour(name, kPresetColours[i], colours[i])) return false;
  }
  return true;
}

bool Settings::WritePresetColour(std::string_view name, PresetColour which, Colour colour) {
  return WriteIni(kPresetSection, PresetColourKey(which), std::to_string(colour.bgr),
                  PresetFile(name));
}

std::optional<Colour> Settings::ReadCurrentButtonColour() const {
  return ParseColour(ReadIni(kPresetSection, PresetColourKey(PresetColour::kButton),
                             PresetFile(ReadMain(kPresetKey))));
}

}  // namespace sonorix
