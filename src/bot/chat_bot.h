// The chat command dispatcher: obeys the signed-on user's own lines.
#pragma once

#include <string>

#include "aol/client_actions.h"
#include "bot/account_commands.h"
#include "bot/away_commands.h"
#include "bot/bot_parts.h"
#include "bot/command_handlers.h"
#include "bot/idle_bot.h"
#include "bot/look_commands.h"
#include "bot/mode_commands.h"
#include "bot/own_lines.h"
#include "bot/song_commands.h"
#include "bot/transcript_follower.h"
#include "bot/transport_commands.h"
#include "core/serial_queue.h"

namespace sonorix {

class ChatBot {
 public:
  explicit ChatBot(BotParts parts);

  // One chat line from the room. The style and the signed-on name are read
  // afresh for every line, so a change shows with the very next one. The
  // program's own lines coming back are never taken as commands.
  void DispatchChatLine(const std::string& screenName, const std::string& text);
  // Timed work that is due: the next line of a "/scroll" listing and the
  // idle bot's minute. Meant for
  // a timer of at least ten ticks a second.
  void Tick();

  SongCommands& Songs() { return songs_; }
  const IdleBot& Idle() const { return idle_; }
  ClientActions& Actions() { return actions_; }

 private:
  void HandleLine(const ChatLineEvent& line);

  BotParts p_;
  SongCommands songs_;
  TransportCommands transport_;
  ModeCommands modes_;
  LookCommands look_;
  OwnLines ownLines_;
  ClientActions actions_;
  IdleBot idle_;
  AwayCommands away_;
  AccountCommands account_;
  CommandBranches branches_{songs_, transport_, modes_, look_, account_, away_};
  // A handler that waits lets the timers run inside it. Whatever arrives
  // then waits for it, so no handler ever runs inside another.
  SerialQueue work_;
};

}  // namespace sonorix
