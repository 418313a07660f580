#include "look/control_panel.h"

#include "chattext/program_lines.h"

namespace sonorix {

std::vector<MenuItem> FirstMenu() {
  return {{MenuEntry::Separator, "-"},
          {MenuEntry::Presets, " presets"},
          {MenuEntry::Styles, " styles"},
          {MenuEntry::Separator, "-"},
          {MenuEntry::SetupDir, " setup dir"},
          {MenuEntry::RefreshDir, " refresh dir"},
          {MenuEntry::Separator, "-"},
          {MenuEntry::SetupFade, " setup fade"},
          {MenuEntry::SetupColor, " setup color"},
          {MenuEntry::Separator, "-"},
          {MenuEntry::Minimize, " minimize"},
          {MenuEntry::Unload, " unload me"},
          {MenuEntry::Separator, "-"},
          {MenuEntry::Cancel, " cancel ..."},
          {MenuEntry::Separator, "-"}};
}

std::vector<MenuItem> SecondMenu(const EndOfSongModes& modes) {
  return {{MenuEntry::Separator, "-"},
          {MenuEntry::About, " about"},
          {MenuEntry::Separator, "-"},
          {MenuEntry::AutoRandom, modes.AutoRandomCaption()},
          {MenuEntry::Continuous, modes.ContinuousCaption()},
          {MenuEntry::Separator, "-"},
          {MenuEntry::Cancel, " cancel ..."},
          {MenuEntry::Separator, "-"}};
}

void ChooseAutoRandomEntry(EndOfSongModes& modes, const Settings& settings, AolClient& aol) {
  if (modes.AutoRandomCaption() != kAutoRandomOff) {
    modes.SetAutoRandomCaption(kAutoRandomOff);
    return;
  }
  modes.SetAutoRandomCaption(kAutoRandomOn);
  aol.SendChat(AutoRandomLine(settings.ReadCurrentStyle(), ModeChange::Enabled));
  modes.SetContinuousCaption(kContinuousOff);
}

void ChooseContinuousEntry(EndOfSongModes& modes, const Settings& settings, AolClient& aol) {
  if (modes.ContinuousCaption() != kContinuousOff) {
    modes.SetContinuousCaption(kContinuousOff);
    return;
  }
  modes.SetContinuousCaption(kContinuousOn);
  aol.SendChat(ContinuousLine(settings.ReadCurrentStyle(), ModeChange::Enabled));
  modes.SetAutoRandomCaption(kAutoRandomOff);
}

std::string MinimizeTip(PlayState state, std::string_view selectedFile) {
  if (state != PlayState::Playing) return "Sonorix";
  return "Sonorix : " + std::string(selectedFile);
}

Preset PickPresetColours(Settings& settings, const std::vector<PresetColour>& which,
                         const ColourPick& pick) {
  for (const PresetColour colour : which) {
    // The dialog lets chat commands run, and one may switch the preset: the
    // colour goes to the preset current when it was picked.
    const std::optional<Colour> picked = pick();
    if (!picked) break;
    settings.WritePresetColour(settings.ReadMain(kPresetKey), colour, *picked);
  }
  return settings.ReadCurrentPreset();
}

}  // namespace sonorix
