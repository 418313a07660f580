#include "bot/account_commands.h"

#include <array>
#include <utility>

#include "bot/transport_commands.h"
#include "chattext/announcements.h"
#include "chattext/chat_line.h"
#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

constexpr unsigned kSpace = 0x20;

std::string Coloured(const Style& style, std::string_view label, std::string_view item) {
  return CondensedHead(style) + std::string(label) + " › <FONT COLOR=#" + style.acolor + ">" +
         std::string(item);
}

}  // namespace

void AccountCommands::Mail(const Style& style, std::string_view kind) {
  p_.aol.SendChat(CondensedLine(style, "viewing") + " <u>" + AccentText(kind) + "</u> " +
                  AccentText("spam"));
  if (!actions_.OpenMailbox(kind)) p_.aol.SendChat(ClientActionFailedLine(style, "mail"));
}

void AccountCommands::InstantMessages(const Style& style, bool on) {
  if (!actions_.SendIM("$IMs_Off", on ? "ON!" : "OFF!")) {
    p_.aol.SendChat(ClientActionFailedLine(style, "instant messages"));
    return;
  }
  p_.aol.SendChat(CondensedLine(style, "instant messages") +
                  UnderlinedItem(style, on ? "on" : "off"));
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
  p_.aol.SendChat(Coloured(style, "entering", room));
  actions_.PrivateRoom(room);
  p_.clock.Pause(1);
  const WindowRef box = actions_.FindMessageBox();
  if (!box) return;
  const std::string roomAnswer =
      Coloured(style, "private room", room) + " <FONT COLOR=#" + style.fcolor;
  const std::array<std::pair<std::string_view, std::string>, 4> answers{{
      {kRateLimitAnswer, Coloured(style, "reached", "rate limits")},
      {kNotAllowedAnswer, roomAnswer + ">is not allowed"},
      {kRoomFullAnswer, roomAnswer + ">is full"},
      {kInvalidRoomAnswer, roomAnswer + ">is invalid"},
  }};
  for (const auto& [answer, reply] : answers) {
    if (!FindChildWithText(box, "Static", answer)) continue;
    p_.aol.SendChat(reply);
    const WindowRef ok = actions_.FindOkButton(box);
    p_.aol.Windows().DoEvents();
    p_.aol.Windows().Send(ok, WindowMessage::KeyDown, kSpace, 0);
    p_.aol.Windows().Send(ok, WindowMessage::KeyUp, kSpace, 0);
    return;
  }
}

void AccountCommands::Keyword(const Style& style, std::string_view keyword) {
  p_.aol.SendChat(Coloured(style, "keyword", keyword));
  actions_.Keyword(keyword);
}

void AccountCommands::Caption(const Style& style, std::string_view caption) {
  actions_.SetFrameCaption(caption);
  p_.aol.SendChat(CondensedLine(style, "new caption") + " › <u>" + AccentText(caption) + "</u>");
}

}  // namespace sonorix
