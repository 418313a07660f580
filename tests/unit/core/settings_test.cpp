#include "core/settings.h"

#include <gtest/gtest.h>

#include "fakes/memory_settings_store.h"

namespace sonorix {
namespace {

using testing::MemorySettingsStore;
using Access = MemorySettingsStore::Access;

constexpr char kMain[] = "C:\\Sonorix\\ini files\\sonorix.ini";

class SettingsTest : public ::testing::Test {
 protected:
  MemorySettingsStore store_;
  Settings settings_{store_, "C:\\Sonorix"};
};

TEST_F(SettingsTest, PathsJoinFolderAndFixedPartsAndWritesUpperCaseTheKeyOnly) {
  EXPECT_EQ(settings_.SettingsFile(), kMain);
  EXPECT_EQ(settings_.PresetFile("night"), "C:\\Sonorix\\presets\\night.ini");
  EXPECT_EQ(settings_.StyleFile("sonorix"), "C:\\Sonorix\\styles\\sonorix.ini");
  settings_.WriteIni("Sonorix", "mp3 dir", "D:\\Music mix", kMain);
  EXPECT_EQ(store_.writes, (std::vector<Access>{{"Sonorix", "MP3 DIR", kMain}}));
  EXPECT_EQ(settings_.ReadMain("mp3 dir"), "D:\\Music mix");
}

TEST_F(SettingsTest, CurrentStyleIsReadFromItsFileAndNeverCached) {
  settings_.WriteMain("style", "neon");
  const std::string file = "C:\\Sonorix\\styles\\neon.ini";
  settings_.WriteIni("styles", "acolor", "FF9900", file);
  settings_.WriteIni("styles", "ascii", "\xC2\xBB", file);
  settings_.WriteIni("styles", "fcolor", "FFFFFF", file);

  const Style style = settings_.ReadCurrentStyle();
  EXPECT_EQ(style.name, "neon");
  EXPECT_EQ(style.acolor, "FF9900");
  EXPECT_EQ(style.ascii, "\xC2\xBB");
  EXPECT_EQ(style.fcolor, "FFFFFF");

  settings_.WriteIni("styles", "fcolor", "222222", settings_.StyleFile("b"));
  settings_.WriteMain("style", "b");
  EXPECT_EQ(settings_.ReadCurrentStyle().fcolor, "222222") << "the very next read";
}

TEST_F(SettingsTest, CurrentPresetConvertsItsColoursAndSurvivesAMissingFile) {
  settings_.WriteMain("preset", "night");
  const std::string file = settings_.PresetFile("night");
  settings_.WriteIni("preset", "name", "night", file);
  settings_.WriteIni("preset", "fade1", "16711680", file);
  settings_.WriteIni("preset", "fade2", "255", file);
  settings_.WriteIni("preset", "button", "not a colour", file);

  const Preset preset = settings_.ReadCurrentPreset();
  EXPECT_EQ(preset.name, "night");
  EXPECT_EQ(preset.title, "night");
  EXPECT_EQ(preset.fade1, Colour::FromRgb(0, 0, 255));
  EXPECT_EQ(preset.fade2, Colour::FromRgb(255, 0, 0));
  EXPECT_EQ(preset.label, kFallbackColour);
  EXPECT_EQ(preset.button, kFallbackColour);

  settings_.WriteMain("preset", "gone");
  const Preset missing = settings_.ReadCurrentPreset();
  EXPECT_EQ(missing.title, "");
  EXPECT_EQ(missing.fade1, kFallbackColour);
  EXPECT_EQ(settings_.ReadCurrentButtonColour(), std::nullopt) << "the bar skips its fill";
}

}  // namespace
}  // namespace sonorix
