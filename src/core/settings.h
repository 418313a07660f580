// The settings files of the program folder: every section and key they hold,
// and the fixed ways they are read and written.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/colour.h"
#include "core/settings_store.h"

namespace sonorix {

// The main settings file, "ini files\sonorix.ini".
inline constexpr std::string_view kMainSection = "Sonorix";
inline constexpr std::string_view kMusicFolderKey = "mp3 dir";
inline constexpr std::string_view kPresetKey = "preset";
inline constexpr std::string_view kStyleKey = "style";

// A preset file, "presets\<name>.ini".
inline constexpr std::string_view kPresetFolder = "presets";
inline constexpr std::string_view kPresetSection = "preset";
inline constexpr std::string_view kPresetNameKey = "name";
enum class PresetColour { kFade1, kFade2, kLabel, kList, kButton };
// In the order a preset is made and written.
inline constexpr std::array<PresetColour, 5> kPresetColours{
    PresetColour::kFade1, PresetColour::kFade2, PresetColour::kLabel, PresetColour::kList,
    PresetColour::kButton};
std::string_view PresetColourKey(PresetColour colour);

// A style file, "styles\<name>.ini". Files of every age spell the section
// "styles" or "Styles"; the case-blind lookup reads both.
inline constexpr std::string_view kStyleFolder = "styles";
inline constexpr std::string_view kStyleSection = "styles";
inline constexpr std::string_view kStyleNameKey = "style";
inline constexpr std::string_view kAsciiKey = "ascii";
inline constexpr std::string_view kAcolorKey = "acolor";
inline constexpr std::string_view kFcolorKey = "fcolor";

// A chat text style, as its file holds it; never checked or converted.
struct Style {
  std::string name;    // "style" of the main settings file
  std::string title;   // "style" of the style file itself
  std::string acolor;  // RRGGBB
  std::string ascii;   // decoration at the head of every line
  std::string fcolor;  // RRGGBB
};

// An interface preset with its colour texts already converted.
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
  // Told once, for the first write that did not reach the disk, with the
  // folder that could not be written.
  using WriteFailureHandler = std::function<void(const std::string& folder)>;

  Settings(SettingsStore& store, std::string programFolder);

  void OnFirstWriteFailure(WriteFailureHandler handler) { onWriteFailure_ = std::move(handler); }

  // An empty file stands for a look name that may not become a file: it
  // reads "" and is never written.
  std::string ReadIni(std::string_view section, std::string_view key,
                      const std::string& file) const;
  // The key is written upper-cased, as every file the program writes shows
  // it. False when the value did not reach the disk.
  bool WriteIni(std::string_view section, std::string_view key, std::string_view value,
                const std::string& file);

  const std::string& ProgramFolder() const { return programFolder_; }
  std::string SettingsFile() const;
  // The file of a preset or style by its name; "" for a name that may not
  // become a file (see look_name.h).
  std::string PresetFile(std::string_view name) const;
  std::string StyleFile(std::string_view name) const;

  // A key of the main settings file's "Sonorix" section.
  std::string ReadMain(std::string_view key) const;
  bool WriteMain(std::string_view key, std::string_view value);

  Style ReadCurrentStyle() const;
  // A style by its name, as if it were current.
  Style ReadStyle(std::string_view name) const;
  // The style file named after the style, its own "style" key included.
  bool WriteStyle(std::string_view name, std::string_view ascii, std::string_view acolor,
                  std::string_view fcolor);

  Preset ReadCurrentPreset() const;
  // A preset by its name, as if it were current.
  Preset ReadPreset(std::string_view name) const;
  // The preset's name, then its colours in the order of kPresetColours.
  bool WritePreset(std::string_view name, const std::array<Colour, 5>& colours);
  bool WritePresetColour(std::string_view name, PresetColour which, Colour colour);
  // Nothing when the current preset's "button" is empty or not a colour.
  std::optional<Colour> ReadCurrentButtonColour() const;

 private:
  std::string LookFile(std::string_view folder, std::string_view name) const;

  SettingsStore& store_;
  std::string programFolder_;
  WriteFailureHandler onWriteFailure_;
  bool toldWriteFailure_ = false;
};

}  // namespace sonorix
