// Telling the room that the user is away: the idle bot on and off, and a
// short "be right back".
#pragma once

#include <string_view>

#include "bot/bot_parts.h"
#include "bot/idle_bot.h"

namespace sonorix {

class AwayCommands {
 public:
  AwayCommands(BotParts parts, IdleBot& idle) : p_(parts), idle_(idle) {}

  // Already idle: nothing changes and nothing is said.
  void Idle(const Style& style, std::string_view reason);
  // Not idle: nothing is said.
  void Xidle(const Style& style);
  void BrbReason(const Style& style, std::string_view reason);
  void Brb(const Style& style);

 private:
  BotParts p_;
  IdleBot& idle_;
};

}  // namespace sonorix
