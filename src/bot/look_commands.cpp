#include "bot/look_commands.h"

#include <optional>

#include "bot/transport_commands.h"
#include "chattext/chat_line.h"
#include "chattext/text_helpers.h"
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

std::string_view Word(LookWindow window) {
  switch (window) {
    case LookWindow::Commands:
      return "commands";
    case LookWindow::Styles:
      return "styles";
    default:
      return "presets";
  }
}

std::string WindowReply(const Style& style, std::string_view label, LookWindow window) {
  return CondensedLine(style, label) + " <u>" + AccentText(Word(window)) + "</u>";
}

}  // namespace

void LookCommands::LoadStyle(const Style& style, std::string_view query) {
  const std::optional<std::string> found = Find(p_, kStyleKind, query);
  if (!found) {
    p_.aol.SendChat(CondensedLine(style, "style") + ColouredItem(style, "not found"));
    return;
  }
  if (!p_.settings.WriteMain(kStyleKey, *found)) return;
  const Style chosen = p_.settings.ReadCurrentStyle();
  p_.aol.SendChat(CondensedLine(chosen, "style set") + ColouredItem(chosen, *found));
}

void LookCommands::LoadPreset(const Style& style, std::string_view query) {
  const std::optional<std::string> found = Find(p_, kPresetKind, query);
  if (!found) {
    p_.aol.SendChat(CondensedLine(style, "preset") + ColouredItem(style, "not found"));
    return;
  }
  if (!p_.settings.WriteMain(kPresetKey, *found)) return;
  p_.windows.ApplyPlayerPreset(p_.settings.ReadCurrentPreset());
  p_.aol.SendChat(CondensedLine(style, "preset set") + ColouredItem(style, *found));
}

void LookCommands::Show(const Style& style, LookWindow window) {
  if (p_.windows.IsShown(window)) {
    p_.aol.SendChat(WindowReply(style, "already showing", window));
    return;
  }
  p_.windows.Open(window);
  p_.aol.SendChat(WindowReply(style, "viewing", window));
}

void LookCommands::Hide(const Style& style, LookWindow window) {
  if (!p_.windows.IsShown(window)) {
    p_.aol.SendChat(WindowReply(style, "already hidden", window));
    return;
  }
  p_.windows.Close(window);
  p_.aol.SendChat(WindowReply(style, "hidden", window));
}

}  // namespace sonorix
