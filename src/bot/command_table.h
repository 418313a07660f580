// The chat commands: their patterns in the order they are tried, and the
// lines the command list shows.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace sonorix {

enum class Command {
  Adv, Arand, Xarand, Cont, Xcont, Cc, Coms, Random, RandomSearch, PlaySearch, Scroll, Cancel,
  View, Stop, LoadStyle, Songs, Date, Time, Pause, Xpause, Volume, NewMail, OldMail, SentMail,
  ViewCommands, HideCommands, ViewStyles, HideStyles, ViewPresets, HidePresets, LoadPreset, ImsOn,
  ImsOff, PrivateRoom, Idle, Xidle, Keyword, BrbReason, Brb, AolCaption, FastForward, Rewind,
  Restart,
};

struct CommandEntry {
  Command command;
  std::string_view pattern;  // lower case, matched against the lower-cased line
};

inline constexpr std::size_t kCommandCount = 43;

// Tried in this order; no line matches two patterns.
const std::array<CommandEntry, kCommandCount>& CommandTable();

// The command list window's lines, in the list's sorted order; the three
// choice commands have none.
const std::vector<std::string_view>& CommandListLines();

}  // namespace sonorix
