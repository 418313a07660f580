#include "look/control_panel.h"

#include <gtest/gtest.h>

#include "fakes/fake_bot_parts.h"

namespace sonorix {
namespace {

// The bot's rig already holds a signed-on client and the "neon" style.
class ControlPanelTest : public ::testing::Test {
 protected:
  ControlPanelTest() { settings_.WriteMain("preset", "night"); }
  testing::BotRig rig_;
  Settings& settings_ = rig_.settings;
  testing::FakeClient& client_ = rig_.client;
  EndOfSongModes& modes_ = rig_.modes;
};

TEST_F(ControlPanelTest, ModeEntriesSwitchOnLoudlyAndOffSilently) {
  ChooseContinuousEntry(modes_, settings_, client_.aol);
  ChooseAutoRandomEntry(modes_, settings_, client_.aol);
  EXPECT_TRUE(modes_.AutoRandom());
  EXPECT_FALSE(modes_.Continuous()) << "only one mode is ever on";
  ChooseAutoRandomEntry(modes_, settings_, client_.aol);
  EXPECT_FALSE(modes_.AutoRandom());
  const std::string head =
      R"(<FONT COLOR=#FF9900><font  face="arial narrow">» <font color=#FFFFFF>)";
  EXPECT_EQ(client_.Lines(), (std::vector<std::string>{head + "áutø pláy thréw énábléd",
                                                       head + "áutø rándøm énábléd"}));
  EXPECT_EQ(SecondMenu(modes_)[3].caption, " auto rand : off");
}

TEST_F(ControlPanelTest, TrayTipNamesTheSongOnlyWhilePlaying) {
  EXPECT_EQ(MinimizeTip(PlayState::Playing, "Love Song.mp3"), "Sonorix : Love Song.mp3");
  EXPECT_EQ(MinimizeTip(PlayState::Paused, "Love Song.mp3"), "Sonorix");
  EXPECT_EQ(MinimizeTip(PlayState::Stopped, ""), "Sonorix");
}

TEST_F(ControlPanelTest, PickedColoursGoIntoTheCurrentPresetAndComeBack) {
  int picks = 0;
  const Preset preset = PickPresetColours(
      settings_, {PresetColour::kLabel, PresetColour::kList, PresetColour::kButton},
      [&] { return Colour{static_cast<std::uint32_t>(++picks * 100)}; });
  EXPECT_EQ(preset.label, Colour{100});
  EXPECT_EQ(preset.list, Colour{200});
  EXPECT_EQ(preset.button, Colour{300});
  EXPECT_EQ(settings_.ReadIni("preset", "BUTTON", settings_.PresetFile("night")), "300");

  // Cancel is no colour: the set-up stops there, and what it would have
  // set keeps its colour.
  int asked = 0;
  const Preset kept = PickPresetColours(
      settings_, {PresetColour::kLabel, PresetColour::kList, PresetColour::kButton},
      [&]() -> std::optional<Colour> {
        if (++asked == 2) return std::nullopt;
        return Colour{9};
      });
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(kept.label, Colour{9});
  EXPECT_EQ(kept.list, Colour{200});
  EXPECT_EQ(kept.button, Colour{300});
}

// The dialog lets chat commands run: one may switch the preset meanwhile.
TEST_F(ControlPanelTest, APickGoesToThePresetCurrentWhenItIsMade) {
  const Preset preset =
      PickPresetColours(settings_, {PresetColour::kFade1, PresetColour::kFade2}, [&] {
        settings_.WriteMain("preset", "day");
        return Colour{7};
      });
  EXPECT_EQ(preset.name, "day");
  EXPECT_EQ(preset.fade1, Colour{7});
  EXPECT_EQ(settings_.ReadIni("preset", "fade1", settings_.PresetFile("night")), "");
}

}  // namespace
}  // namespace sonorix
