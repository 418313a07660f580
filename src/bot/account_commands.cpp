#include "bot/account_commands.h"

#include <array>
#include <utility>

#include "chattext/account_lines.h"

namespace sonorix {

namespace {

constexpr unsigned kSpace = 0x20;

}  // namespace

void AccountCommands::Mail(const Style& style, std::string_view kind) {
  p_.aol.SendChat(MailLine(style, kind));
  if (!actions_.OpenMailbox(kind)) p_.aol.SendChat(MailFailedLine(style));
}

void AccountCommands::InstantMessages(const Style& style, bool on) {
  if (!actions_.SendIM("$IMs_Off", on ? "ON!" : "OFF!")) {
    p_.aol.SendChat(InstantMessagesFailedLine(style));
    return;
  }
  p_.aol.SendChat(InstantMessagesLine(style, on));
}

WindowRef AccountCommands::FindChildWithText(WindowRef parent, std::string_view className,
                                             std::string_view text) {
  WindowApi& windows = p_.aol.Windows();
  for (WindowRef child = windows.FindChild(parent, {}, className); child;
       child = windows.FindChild(parent, child, className)) {
    if (windows.Text(child) == text) return child;
  }
  return {};
}

// The client answers a refused room with its message box; the check is made
// once, a second after the request, and the box is pressed once.
void AccountCommands::PrivateRoom(const Style& style, std::string_view room) {
  p_.aol.SendChat(EnteringRoomLine(style, room));
  if (!actions_.PrivateRoom(room)) {
    p_.aol.SendChat(PrivateRoomFailedLine(style));
    return;
  }
  p_.clock.Pause(1);
  const WindowRef box = actions_.FindMessageBox();
  if (!box) return;
  constexpr std::array<std::pair<std::string_view, RoomRefusal>, 4> answers{{
      {kRateLimitAnswer, RoomRefusal::RateLimit},
      {kNotAllowedAnswer, RoomRefusal::NotAllowed},
      {kRoomFullAnswer, RoomRefusal::Full},
      {kInvalidRoomAnswer, RoomRefusal::Invalid},
  }};
  for (const auto& [answer, refusal] : answers) {
    if (!FindChildWithText(box, "Static", answer)) continue;
    p_.aol.SendChat(RoomRefusedLine(style, room, refusal));
    const WindowRef ok = actions_.FindOkButton(box);
    p_.aol.Windows().DoEvents();
    p_.aol.Windows().Send(ok, WindowMessage::KeyDown, kSpace, 0);
    p_.aol.Windows().Send(ok, WindowMessage::KeyUp, kSpace, 0);
    return;
  }
}

void AccountCommands::Keyword(const Style& style, std::string_view keyword) {
  p_.aol.SendChat(KeywordLine(style, keyword));
  if (!actions_.Keyword(keyword)) p_.aol.SendChat(KeywordFailedLine(style));
}

void AccountCommands::Caption(const Style& style, std::string_view caption) {
  if (!actions_.SetFrameCaption(caption)) {
    p_.aol.SendChat(CaptionFailedLine(style));
    return;
  }
  p_.aol.SendChat(CaptionLine(style, caption));
}

}  // namespace sonorix
