#include "bot/look_commands.h"

#include <optional>

#include "chattext/look_lines.h"
#include "core/look_name.h"
#include "look/look_lists.h"

namespace sonorix {

namespace {

std::optional<std::string> Find(BotParts& p, const LookKind& kind, std::string_view query) {
  const std::vector<std::string> files = p.windows.ListIniFiles(LookFolder(p.settings, kind));
  std::vector<std::string> names = DisplayNames(p.settings, kind, files);
  // A name that may not become a file is never made current.
  std::erase_if(names, [](const std::string& name) { return !IsUsableLookName(name); });
  return FirstHolding(names, query);
}

}  // namespace

void LookCommands::LoadStyle(const Style& style, std::string_view query) {
  const std::optional<std::string> found = Find(p_, kStyleKind, query);
  if (!found) {
    p_.aol.SendChat(StyleNotFoundLine(style));
    return;
  }
  if (!p_.settings.WriteMain(kStyleKey, *found)) return;
  const Style chosen = p_.settings.ReadCurrentStyle();
  p_.aol.SendChat(StyleSetLine(chosen, *found));
}

void LookCommands::LoadPreset(const Style& style, std::string_view query) {
  const std::optional<std::string> found = Find(p_, kPresetKind, query);
  if (!found) {
    p_.aol.SendChat(PresetNotFoundLine(style));
    return;
  }
  if (!p_.settings.WriteMain(kPresetKey, *found)) return;
  p_.windows.ApplyPlayerPreset(p_.settings.ReadCurrentPreset());
  p_.aol.SendChat(PresetSetLine(style, *found));
}

void LookCommands::Show(const Style& style, LookWindow window) {
  if (p_.windows.IsShown(window)) {
    p_.aol.SendChat(WindowAlreadyShownLine(style, window));
    return;
  }
  p_.windows.Open(window);
  p_.aol.SendChat(WindowShownLine(style, window));
}

void LookCommands::Hide(const Style& style, LookWindow window) {
  if (!p_.windows.IsShown(window)) {
    p_.aol.SendChat(WindowAlreadyHiddenLine(style, window));
    return;
  }
  p_.windows.Close(window);
  p_.aol.SendChat(WindowHiddenLine(style, window));
}

}  // namespace sonorix
