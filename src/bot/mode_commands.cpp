#include "bot/mode_commands.h"

#include "chattext/program_lines.h"

namespace sonorix {

void ModeCommands::AutoRandomOn(const Style& style) {
  if (p_.modes.AutoRandomCaption() == kAutoRandomOn) {
    p_.aol.SendChat(AutoRandomLine(style, ModeChange::AlreadyEnabled));
    return;
  }
  p_.modes.SetAutoRandomCaption(kAutoRandomOn);
  p_.modes.SetContinuousCaption(kContinuousOff);
  p_.aol.SendChat(AutoRandomLine(style, ModeChange::Enabled));
}

void ModeCommands::AutoRandomOff(const Style& style) {
  if (p_.modes.AutoRandomCaption() == kAutoRandomOff) {
    p_.aol.SendChat(AutoRandomLine(style, ModeChange::AlreadyDisabled));
    return;
  }
  p_.modes.SetAutoRandomCaption(kAutoRandomOff);
  p_.aol.SendChat(AutoRandomLine(style, ModeChange::Disabled));
}

void ModeCommands::ContinuousOn(const Style& style) {
  if (p_.modes.ContinuousCaption() == kContinuousOn) {
    p_.aol.SendChat(ContinuousLine(style, ModeChange::AlreadyEnabled));
    return;
  }
  p_.modes.SetContinuousCaption(kContinuousOn);
  p_.modes.SetAutoRandomCaption(kAutoRandomOff);
  p_.aol.SendChat(ContinuousLine(style, ModeChange::Enabled));
}

void ModeCommands::ContinuousOff(const Style& style) {
  if (p_.modes.ContinuousCaption() == kContinuousOff) {
    p_.aol.SendChat(ContinuousLine(style, ModeChange::AlreadyDisabled));
    return;
  }
  p_.modes.SetContinuousCaption(kContinuousOff);
  p_.aol.SendChat(ContinuousLine(style, ModeChange::Disabled));
}

// Only this user's view of the room is emptied; the others keep the lines.
Flow ModeCommands::ClearChat(const Style& style) {
  const WindowRef room = p_.aol.FindChatRoom();
  if (!room) return Flow::EndLine;
  p_.scan.FollowClear([&] { p_.aol.ClearText(p_.aol.FindTranscript(room)); });
  p_.aol.SendChat(ChatClearedLine(style));
  return Flow::Continue;
}

void ModeCommands::CountCommands(const Style& style) {
  p_.aol.SendChat(CommandCountLine(style, p_.windows.CommandCount()));
}

void ModeCommands::Advertise(const Style& style) {
  p_.aol.SendChat(AdvertLine(style));
  p_.clock.Pause(0.1);
  p_.aol.SendChat(AdvertFollowUpLine(style));
}

}  // namespace sonorix
