#include "chattext/account_lines.h"

#include "chattext/chat_line.h"
#include "chattext/line_pieces.h"
#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

std::string ClientActionFailedLine(const Style& style, std::string_view action) {
  return CondensedLine(style, "eror") + " › " + AccentText(std::string(action) + " did not work");
}

// Label and item as they stand, neither accented.
std::string Coloured(const Style& style, std::string_view label, std::string_view item) {
  return CondensedHead(style) + std::string(label) + " › " + AccentTag(style) + std::string(item);
}

std::string RoomIs(const Style& style, std::string_view room, std::string_view what) {
  return Coloured(style, "private room", room) + " <FONT COLOR=#" + style.fcolor + ">is " +
         std::string(what);
}

}  // namespace

std::string MailLine(const Style& style, std::string_view kind) {
  return CondensedLine(style, "viewing") + " <u>" + AccentText(kind) + "</u> " + AccentText("spam");
}

std::string InstantMessagesLine(const Style& style, bool on) {
  return CondensedLine(style, "instant messages") + UnderlinedItem(style, on ? "on" : "off");
}

std::string MailFailedLine(const Style& style) { return ClientActionFailedLine(style, "mail"); }

std::string InstantMessagesFailedLine(const Style& style) {
  return ClientActionFailedLine(style, "instant messages");
}

std::string PrivateRoomFailedLine(const Style& style) {
  return ClientActionFailedLine(style, "private room");
}

std::string KeywordFailedLine(const Style& style) {
  return ClientActionFailedLine(style, "keyword");
}

std::string CaptionFailedLine(const Style& style) {
  return ClientActionFailedLine(style, "caption");
}

std::string EnteringRoomLine(const Style& style, std::string_view room) {
  return Coloured(style, "entering", room);
}

std::string RoomRefusedLine(const Style& style, std::string_view room, RoomRefusal refusal) {
  switch (refusal) {
    case RoomRefusal::RateLimit:
      return Coloured(style, "reached", "rate limits");
    case RoomRefusal::NotAllowed:
      return RoomIs(style, room, "not allowed");
    case RoomRefusal::Full:
      return RoomIs(style, room, "full");
    default:
      return RoomIs(style, room, "invalid");
  }
}

std::string KeywordLine(const Style& style, std::string_view keyword) {
  return Coloured(style, "keyword", keyword);
}

std::string CaptionLine(const Style& style, std::string_view caption) {
  return CondensedLine(style, "new caption") + " › <u>" + AccentText(caption) + "</u>";
}

}  // namespace sonorix
