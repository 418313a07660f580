#include "core/settings.h"

#include <gtest/gtest.h>

#include "core/look_name.h"
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

// Every name the rule refuses, with the reason the user would meet.
TEST(LookName, RefusesWhatWouldLeaveTheFolderOpenADeviceOrReadBackAsAnother) {
  using enum LookNameProblem;
  const std::pair<std::string, LookNameProblem> cases[] = {
      {"night", kUsable},
      {"[v#1] My Style", kUsable},
      {"Björk 中", kUsable},
      {"con1", kUsable},
      {"comx", kUsable},
      {"a.b", kUsable},
      {std::string(251, 'x'), kUsable},
      {"", kEmpty},
      {"tab\t", kControlCharacter},
      {"a\\b", kPathCharacter},
      {"a/b", kPathCharacter},
      {"c:x", kPathCharacter},
      {"what?", kPathCharacter},
      {"\"q\"", kPathCharacter},
      {"..", kDotDot},
      {"a..b", kDotDot},
      {" lead", kReadsBackChanged},
      {"trail ", kReadsBackChanged},
      {"end.", kReadsBackChanged},
      {"'quoted'", kReadsBackChanged},
      {"CON", kDeviceName},
      {"nul", kDeviceName},
      {"Aux.ini", kDeviceName},
      {"prn.txt", kDeviceName},
      {"com1", kDeviceName},
      {"COM0", kDeviceName},
      {"lpt9.x.y", kDeviceName},
      {"com1 .txt", kDeviceName},
      {"CONIN$", kDeviceName},
      {"conout$", kDeviceName},
      {"COM\xC2\xB9", kDeviceName},
      {std::string(252, 'x'), kTooLong},
      {std::string(249, 'x') + "\xF0\x9F\x8E\xB5", kUsable},
      {std::string(250, 'x') + "\xF0\x9F\x8E\xB5", kTooLong},
  };
  for (const auto& [name, problem] : cases) {
    EXPECT_EQ(CheckLookName(name), problem) << name;
  }
}

// A refused name reads as a missing file and writes nothing anywhere.
TEST_F(SettingsTest, ALookNameThatMayNotBeAFileIsNeitherReadNorWritten) {
  for (const char* name : {"..\\..\\outside", "com1", "nul.txt"}) {
    EXPECT_EQ(settings_.PresetFile(name), "") << name;
    EXPECT_EQ(settings_.StyleFile(name), "") << name;
    EXPECT_FALSE(settings_.WritePresetColour(name, PresetColour::kLabel, Colour{1})) << name;
    EXPECT_FALSE(settings_.WriteStyle(name, "~", "FF9900", "000000")) << name;
  }
  EXPECT_TRUE(store_.writes.empty());
  settings_.WriteMain("preset", "..\\..\\outside");
  EXPECT_EQ(settings_.ReadCurrentPreset().title, "");
}

// The first failed write is told once, with its folder; none claims success.
TEST_F(SettingsTest, AFailedWriteIsReportedAndToldOnce) {
  std::vector<std::string> told;
  settings_.OnFirstWriteFailure([&](const std::string& folder) { told.push_back(folder); });
  EXPECT_TRUE(settings_.WriteMain("preset", "night"));
  store_.failWrites = true;
  EXPECT_FALSE(settings_.WriteMain("preset", "day"));
  EXPECT_FALSE(settings_.WritePreset("day", {}));
  EXPECT_EQ(settings_.ReadMain("preset"), "night");
  EXPECT_EQ(told, std::vector<std::string>{"C:\\Sonorix\\ini files"});
}

}  // namespace
}  // namespace sonorix
