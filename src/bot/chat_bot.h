// The chat command dispatcher: obeys the signed-on user's own lines.
#pragma once

#include <string>

#include "bot/bot_parts.h"
#include "bot/command_table.h"
#include "bot/mode_commands.h"
#include "bot/own_lines.h"
#include "bot/song_commands.h"
#include "bot/transport_commands.h"

namespace sonorix {

class ChatBot {
 public:
  explicit ChatBot(BotParts parts);

  // One chat line from the room. The style and the signed-on name are read
  // afresh for every line, so a change shows with the very next one. The
  // program's own lines coming back are never taken as commands.
  void DispatchChatLine(const std::string& screenName, const std::string& text);

  SongCommands& Songs() { return songs_; }

 private:
  Flow Run(Command command, const Style& style, const std::string& text);
  Flow RunTransport(Command command, const Style& style, const std::string& text);
  Flow RunHousekeeping(Command command, const Style& style);
  void Advertise(const Style& style);

  BotParts p_;
  SongCommands songs_;
  TransportCommands transport_;
  ModeCommands modes_;
  OwnLines ownLines_;
};

}  // namespace sonorix
