// Switching the end-of-song modes from the chat, clearing the room on the
// user's own screen, counting the commands, and the advertisement.
#pragma once

#include "bot/bot_parts.h"

namespace sonorix {

class ModeCommands {
 public:
  explicit ModeCommands(BotParts parts) : p_(parts) {}

  // Switching one mode on switches the other off: at most one is ever on.
  void AutoRandomOn(const Style& style);
  void AutoRandomOff(const Style& style);
  void ContinuousOn(const Style& style);
  void ContinuousOff(const Style& style);
  Flow ClearChat(const Style& style);
  void CountCommands(const Style& style);
  void Advertise(const Style& style);

 private:
  BotParts p_;
};

}  // namespace sonorix
