// The settings files of the program folder and the fixed ways they are read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/colour.h"
#include "core/settings_store.h"

namespace sonorix {

inline constexpr std::string_view kMainSection = "Sonorix";
inline constexpr std::string_view kMusicFolderKey = "mp3 dir";
inline constexpr std::string_view kPresetKey = "preset";
inline constexpr std::string_view kStyleKey = "style";

// The current chat text style, as its file holds it; never checked or converted.
struct Style {
  std::string name;    // "style" of the main settings file
  std::string title;   // "style" of the style file itself
  std::string acolor;  // RRGGBB
  std::string ascii;   // decoration at the head of every line
  std::string fcolor;  // RRGGBB
};

// The current interface preset with its colour texts already converted.
struct Preset {
  std::string name;   // "preset" of the main settings file
  std::string title;  // "name" of the preset file
  Colour fade1;
  Colour fade2;
  Colour label;
  Colour list;
  Colour button;
};

// Every settings access goes through here; nothing is cached, so a change
// written by one window is seen by the next read anywhere.
class Settings {
 public:
  Settings(SettingsStore& store, std::string programFolder);

  std::string ReadIni(std::string_view section, std::string_view key,
                      const std::string& file) const;
  // The key is written upper-cased, as every file the program writes shows it.
  void WriteIni(std::string_view section, std::string_view key, std::string_view value,
                const std::string& file);

  const std::string& ProgramFolder() const { return programFolder_; }
  std::string SettingsFile() const;
  std::string PresetFile(std::string_view name) const;
  std::string StyleFile(std::string_view name) const;

  // A key of the main settings file's "Sonorix" section.
  std::string ReadMain(std::string_view key) const;
  void WriteMain(std::string_view key, std::string_view value);

  Style ReadCurrentStyle() const;
  Preset ReadCurrentPreset() const;
  // A preset by its name, as if it were current.
  Preset ReadPreset(std::string_view name) const;
  // Nothing when the current preset's "button" is empty or not a colour.
  std::optional<Colour> ReadCurrentButtonColour() const;

 private:
  SettingsStore& store_;
  std::string programFolder_;
};

}  // namespace sonorix
