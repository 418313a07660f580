// What each chat command does: the branch the dispatcher runs for its id.
// The patterns and list lines are in chattext/command_registry.h.
#pragma once

#include <string_view>

#include "bot/account_commands.h"
#include "bot/away_commands.h"
#include "bot/bot_parts.h"
#include "bot/look_commands.h"
#include "bot/mode_commands.h"
#include "bot/song_commands.h"
#include "bot/transport_commands.h"
#include "chattext/command_registry.h"

namespace sonorix {

// The command branches a handler reaches.
struct CommandBranches {
  SongCommands& songs;
  TransportCommands& transport;
  ModeCommands& modes;
  LookCommands& look;
  AccountCommands& account;
  AwayCommands& away;
};

// argument: the line as typed from the command's argument start, or empty.
// The result says whether the dispatcher goes on trying the later patterns.
using CommandHandler = Flow (*)(CommandBranches& branches, const Style& style,
                                std::string_view argument);

CommandHandler HandlerOf(CommandId id);

}  // namespace sonorix
