// Preset and style files as a user may hand them over, read through the settings: the first
// line is a look name, the rest the text of every file involved (the main settings file,
// the preset and the style named). A name the look name rule lets through leads to a file
// right inside its folder; every colour read is a 24-bit colour whose decimal text reads
// back the same; colour text is taken exactly when it is a whole number in range; no text
// read is longer than a value may be; what the settings write for a preset reads back.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/colour.h"
#include "core/look_name.h"
#include "core/settings.h"
#include "fakes/memory_settings_store.h"
#include "fuzz_check.h"

namespace sonorix {
namespace {

using fuzz::Require;

constexpr char kProgram[] = "C:\\Sonorix";

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

void CheckColourText(std::string_view text) {
  const auto colour = ParseColour(text);
  if (colour) {
    Require(colour->bgr <= 0xFFFFFF, "a colour has 24 bits");
    Require(ParseColour(std::to_string(colour->bgr)) == colour, "a colour's decimal reads back");
  }
  std::string_view number = TrimBlanks(text);
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  const bool digits = !number.empty() && number.find_first_not_of("0123456789") == number.npos;
  if (!digits) {
    // from_chars takes a minus too, and minus zero is zero.
    Require(!colour || (number.front() == '-' && colour->bgr == 0),
            "only a whole number is a colour");
    return;
  }
  const auto significant = number.find_first_not_of('0');
  if (significant != number.npos && number.size() - significant > 8) {
    Require(!colour, "a number past 24 bits is no colour");
    return;
  }
  const auto value = std::stoul(std::string(number));
  Require(colour.has_value() == (value <= 0xFFFFFF), "a whole number in range is a colour");
  Require(!colour || colour->bgr == value, "a colour is the number written");
}

void CheckLookFile(const std::string& file, std::string_view folder, std::string_view name) {
  Require(file.empty() != IsUsableLookName(name), "a file exactly for a usable name");
  if (file.empty()) return;
  const std::string inside = std::string(kProgram) + "\\" + std::string(folder) + "\\";
  Require(file.rfind(inside, 0) == 0 && file.find('\\', inside.size()) == file.npos &&
              file.find('/') == file.npos,
          "a look file lies right inside its folder");
}

void Run(std::string_view name, std::string_view text) {
  testing::MemorySettingsStore store;
  Settings settings(store, kProgram);
  const std::string preset = settings.PresetFile(name), style = settings.StyleFile(name);
  CheckLookFile(preset, "presets", name);
  CheckLookFile(style, "styles", name);
  for (const auto& file : {settings.SettingsFile(), preset, style}) {
    if (!file.empty()) store.PutFile(file, text);
  }

  for (const Preset& read : {settings.ReadPreset(name), settings.ReadCurrentPreset()}) {
    Require(read.title.size() <= SettingsStore::kMaxValueLength, "a value is cut");
    for (const Colour colour : {read.fade1, read.fade2, read.label, read.list, read.button}) {
      Require(colour.bgr <= 0xFFFFFF, "a preset colour has 24 bits");
    }
    const std::string file = settings.PresetFile(read.name);
    for (const PresetColour which : kPresetColours) {
      CheckColourText(settings.ReadIni(kPresetSection, PresetColourKey(which), file));
    }
  }
  const std::string current = settings.PresetFile(settings.ReadMain(kPresetKey));
  Require(settings.ReadCurrentButtonColour() ==
              ParseColour(settings.ReadIni(kPresetSection, "button", current)),
          "the button colour is the current preset's");
  for (const Style& read : {settings.ReadStyle(name), settings.ReadCurrentStyle()}) {
    for (const std::string* field : {&read.title, &read.acolor, &read.ascii, &read.fcolor}) {
      Require(field->size() <= SettingsStore::kMaxValueLength, "a value is cut");
    }
  }
  CheckColourText(text.substr(0, 32));

  const Preset read = settings.ReadPreset(name);
  const bool written =
      settings.WritePreset(name, {read.fade2, read.fade1, read.list, read.label, read.button});
  Require(written == IsUsableLookName(name), "a preset with a usable name is written");
  if (!written) return;
  const Preset back = settings.ReadPreset(name);
  Require(back.title == std::string(name).substr(0, SettingsStore::kMaxValueLength) &&
              back.fade1 == read.fade2 && back.fade2 == read.fade1 && back.list == read.label &&
              back.label == read.list && back.button == read.button,
          "a written preset reads back");
}

}  // namespace
}  // namespace sonorix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(bytes), size);
  const auto end = input.find('\n');
  if (end == input.npos) {
    sonorix::Run(input, "");
  } else {
    sonorix::Run(input.substr(0, end), input.substr(end + 1));
  }
  return 0;
}
