#include "bot/mode_commands.h"

#include "chattext/chat_line.h"
#include "chattext/text_helpers.h"

namespace sonorix {

void ModeCommands::AutoRandomOn(const Style& style) {
  if (p_.modes.AutoRandomCaption() == kAutoRandomOn) {
    p_.aol.SendChat(ChatLine(style, "auto random already enabled"));
    return;
  }
  p_.modes.SetAutoRandomCaption(kAutoRandomOn);
  p_.modes.SetContinuousCaption(kContinuousOff);
  p_.aol.SendChat(ChatLine(style, "auto random enabled"));
}

void ModeCommands::AutoRandomOff(const Style& style) {
  if (p_.modes.AutoRandomCaption() == kAutoRandomOff) {
    p_.aol.SendChat(ChatLine(style, "auto random already disabled"));
    return;
  }
  p_.modes.SetAutoRandomCaption(kAutoRandomOff);
  p_.aol.SendChat(ChatLine(style, "auto random disabled"));
}

void ModeCommands::ContinuousOn(const Style& style) {
  if (p_.modes.ContinuousCaption() == kContinuousOn) {
    p_.aol.SendChat(ChatLine(style, "auto play threw already enabled"));
    return;
  }
  p_.modes.SetContinuousCaption(kContinuousOn);
  p_.modes.SetAutoRandomCaption(kAutoRandomOff);
  p_.aol.SendChat(ChatLine(style, "auto play threw enabled"));
}

void ModeCommands::ContinuousOff(const Style& style) {
  if (p_.modes.ContinuousCaption() == kContinuousOff) {
    p_.aol.SendChat(ChatLine(style, "auto play threw already disabled"));
    return;
  }
  p_.modes.SetContinuousCaption(kContinuousOff);
  p_.aol.SendChat(ChatLine(style, "auto play threw disabled"));
}

// Only this user's view of the room is emptied; the others keep the lines.
Flow ModeCommands::ClearChat(const Style& style) {
  const WindowRef room = p_.aol.FindChatRoom();
  if (!room) return Flow::EndLine;
  p_.scan.FollowClear([&] { p_.aol.ClearText(p_.aol.FindTranscript(room)); });
  p_.aol.SendChat(NarrowCapitalLine(style, "chat cleared, for you atleast"));
  return Flow::Continue;
}

void ModeCommands::CountCommands(const Style& style) {
  p_.aol.SendChat(NarrowCapitalLine(style, "this prog has") + " <b>" +
                  std::to_string(p_.windows.CommandCount()) + "</b> " + AccentText("commands"));
}

}  // namespace sonorix
