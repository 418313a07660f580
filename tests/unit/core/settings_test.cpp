#include "core/settings.h"

#include <gtest/gtest.h>

#include "fakes/memory_settings_store.h"

namespace sonorix {
namespace {

using testing::MemorySettingsStore;
using Access = MemorySettingsStore::Access;

constexpr char kFolder[] = "C:\\Sonorix";
constexpr char kMain[] = "C:\\Sonorix\\ini files\\sonorix.ini";

TEST(Settings, PathsAreThePlainJoinOfFolderAndFixedParts) {
  MemorySettingsStore store;
  const Settings settings(store, kFolder);
  EXPECT_EQ(settings.SettingsFile(), kMain);
  EXPECT_EQ(settings.PresetFile("night"), "C:\\Sonorix\\presets\\night.ini");
  EXPECT_EQ(settings.StyleFile("sonorix"), "C:\\Sonorix\\styles\\sonorix.ini");
}

TEST(Settings, WriteIniUpperCasesTheKeyOnly) {
  MemorySettingsStore store;
  Settings settings(store, kFolder);
  settings.WriteIni("Sonorix", "mp3 dir", "D:\\Music mix", kMain);
  ASSERT_EQ(store.writes.size(), 1u);
  EXPECT_EQ(store.writes[0], (Access{"Sonorix", "MP3 DIR", kMain}));
  EXPECT_EQ(settings.ReadMain("mp3 dir"), "D:\\Music mix");
}

TEST(Settings, CurrentStyleIsFiveReadsInTheFixedOrder) {
  MemorySettingsStore store;
  Settings settings(store, kFolder);
  settings.WriteMain("style", "neon");
  const std::string file = "C:\\Sonorix\\styles\\neon.ini";
  settings.WriteIni("styles", "acolor", "FF9900", file);
  settings.WriteIni("styles", "ascii", "\xC2\xBB", file);
  settings.WriteIni("styles", "fcolor", "FFFFFF", file);
  store.reads.clear();

  const Style style = settings.ReadCurrentStyle();

  EXPECT_EQ(style.name, "neon");
  EXPECT_EQ(style.acolor, "FF9900");
  EXPECT_EQ(style.ascii, "\xC2\xBB");
  EXPECT_EQ(style.fcolor, "FFFFFF");
  const std::vector<Access> expected = {{"Sonorix", "style", kMain},
                                        {"styles", "style", file},
                                        {"Styles", "acolor", file},
                                        {"Styles", "ascii", file},
                                        {"Styles", "fcolor", file}};
  EXPECT_EQ(store.reads, expected);
}

TEST(Settings, StyleChangeShowsInTheVeryNextRead) {
  MemorySettingsStore store;
  Settings settings(store, kFolder);
  settings.WriteMain("style", "a");
  settings.WriteIni("styles", "fcolor", "111111", settings.StyleFile("a"));
  settings.WriteIni("styles", "fcolor", "222222", settings.StyleFile("b"));
  EXPECT_EQ(settings.ReadCurrentStyle().fcolor, "111111");
  settings.WriteMain("style", "b");
  EXPECT_EQ(settings.ReadCurrentStyle().fcolor, "222222");
}

TEST(Settings, CurrentPresetConvertsItsColoursAndSurvivesAMissingFile) {
  MemorySettingsStore store;
  Settings settings(store, kFolder);
  settings.WriteMain("preset", "night");
  const std::string file = settings.PresetFile("night");
  settings.WriteIni("preset", "name", "night", file);
  settings.WriteIni("preset", "fade1", "16711680", file);
  settings.WriteIni("preset", "fade2", "255", file);
  settings.WriteIni("preset", "button", "not a colour", file);

  const Preset preset = settings.ReadCurrentPreset();
  EXPECT_EQ(preset.name, "night");
  EXPECT_EQ(preset.title, "night");
  EXPECT_EQ(preset.fade1, Colour::FromRgb(0, 0, 255));
  EXPECT_EQ(preset.fade2, Colour::FromRgb(255, 0, 0));
  EXPECT_EQ(preset.label, kFallbackColour);
  EXPECT_EQ(preset.button, kFallbackColour);

  settings.WriteMain("preset", "gone");
  const Preset missing = settings.ReadCurrentPreset();
  EXPECT_EQ(missing.title, "");
  EXPECT_EQ(missing.fade1, kFallbackColour);
  EXPECT_EQ(settings.ReadCurrentButtonColour(), std::nullopt) << "the bar skips its fill";
}

}  // namespace
}  // namespace sonorix
