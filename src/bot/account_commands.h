// Driving the user's client from the chat: mail boxes, instant messages on
// and off, private rooms, keywords and the client's caption.
#pragma once

#include <string_view>

#include "aol/client_actions.h"
#include "bot/bot_parts.h"

namespace sonorix {

// The client's answers to a private room request that get a reply, in the
// order they are looked for.
inline constexpr std::string_view kRateLimitAnswer = "You've changed chat rooms too quickly.";
inline constexpr std::string_view kNotAllowedAnswer =
    "We are sorry.  You are not allowed to create a chat with that name.";
inline constexpr std::string_view kRoomFullAnswer = "The room you requested is full";
inline constexpr std::string_view kInvalidRoomAnswer = "Invalid room name";

class AccountCommands {
 public:
  AccountCommands(BotParts parts, ClientActions& actions) : p_(parts), actions_(actions) {}

  // kind: "new", "old" or "sent".
  void Mail(const Style& style, std::string_view kind);
  void InstantMessages(const Style& style, bool on);
  void PrivateRoom(const Style& style, std::string_view room);
  void Keyword(const Style& style, std::string_view keyword);
  void Caption(const Style& style, std::string_view caption);

 private:
  WindowRef FindChildWithText(WindowRef parent, std::string_view className, std::string_view text);

  BotParts p_;
  ClientActions& actions_;
};

}  // namespace sonorix
