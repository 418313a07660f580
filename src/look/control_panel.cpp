#include "look/control_panel.h"

#include "chattext/chat_line.h"
#include "chattext/text_helpers.h"

namespace sonorix {

std::vector<MenuItem> FirstMenu() {
  return {{MenuEntry::Separator, "-"},  {MenuEntry::Presets, " presets"},
          {MenuEntry::Styles, " styles"}, {MenuEntry::Separator, "-"},
          {MenuEntry::SetupDir, " setup dir"}, {MenuEntry::RefreshDir, " refresh dir"},
          {MenuEntry::Separator, "-"},  {MenuEntry::SetupFade, " setup fade"},
          {MenuEntry::SetupColor, " setup color"}, {MenuEntry::Separator, "-"},
          {MenuEntry::Minimize, " minimize"}, {MenuEntry::Unload, " unload me"},
          {MenuEntry::Separator, "-"},  {MenuEntry::Cancel, " cancel ..."},
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

void ChooseAutoRandomEntry(EndOfSongModes& modes, const Settings& settings, Aol8& aol) {
  if (modes.AutoRandomCaption() != kAutoRandomOff) {
    modes.SetAutoRandomCaption(kAutoRandomOff);
    return;
  }
  modes.SetAutoRandomCaption(kAutoRandomOn);
  aol.SendChat(ChatLine(settings.ReadCurrentStyle(), "auto random enabled"));
  modes.SetContinuousCaption(kContinuousOff);
}

void ChooseContinuousEntry(EndOfSongModes& modes, const Settings& settings, Aol8& aol) {
  if (modes.ContinuousCaption() != kContinuousOff) {
    modes.SetContinuousCaption(kContinuousOff);
    return;
  }
  modes.SetContinuousCaption(kContinuousOn);
  aol.SendChat(ChatLine(settings.ReadCurrentStyle(), "auto play threw enabled"));
  modes.SetAutoRandomCaption(kAutoRandomOff);
}

namespace {

// "<accent>first letter<main>rest": the look of the words in these lines.
std::string Initial(const Style& style, std::string_view first, std::string_view rest) {
  return "<FONT COLOR=#" + style.acolor + ">" + std::string(first) + "<font color=#" +
         style.fcolor + ">" + AccentText(rest);
}

}  // namespace

std::string PresetsAnnouncement(const Style& style) {
  return "<FONT COLOR=#" + style.acolor + ">" + style.ascii + " <FONT COLOR=#" + style.fcolor +
         std::string(kNarrowFaceTag) + AccentText("Sonorix ...") + "  " +
         Initial(style, "p", "resets") + ", " + Initial(style, "l", "oaded");
}

std::string StylesAnnouncement(const Style& style) {
  return ChatLine(style, "Sonorix") + " ...  " + Initial(style, "s", "tyles") + ", " +
         Initial(style, "l", "oaded");
}

std::string MinimizeTip(PlayState state, std::string_view selectedFile) {
  if (state != PlayState::Playing) return "Sonorix";
  return "Sonorix : " + std::string(selectedFile);
}

Preset PickPresetColours(Settings& settings, const std::vector<std::string_view>& keys,
                         const std::function<Colour()>& pick) {
  for (const std::string_view key : keys) {
    const std::string file = settings.PresetFile(settings.ReadMain(kPresetKey));
    settings.WriteIni("preset", key, std::to_string(pick().bgr), file);
  }
  return settings.ReadCurrentPreset();
}

}  // namespace sonorix
