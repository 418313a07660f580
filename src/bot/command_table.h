// The chat commands: their patterns in the order they are tried.
#pragma once

#include <array>
#include <string_view>

namespace sonorix {

enum class Command {
  Adv,
  Arand,
  Xarand,
  Cont,
  Xcont,
  Cc,
  Coms,
  Random,
  RandomSearch,
  PlaySearch,
  Scroll,
  Cancel,
  View,
  Stop,
  LoadStyle,
  Songs,
  Date,
  Time,
  Pause,
  Xpause,
  Volume,
  NewMail,
  OldMail,
  SentMail,
  ViewCommands,
  HideCommands,
  ViewStyles,
  HideStyles,
  ViewPresets,
  HidePresets,
  LoadPreset,
  ImsOn,
  ImsOff,
  PrivateRoom,
  Idle,
  Xidle,
  Keyword,
  BrbReason,
  Brb,
  AolCaption,
  FastForward,
  Rewind,
  Restart,
};

struct CommandEntry {
  Command command;
  std::string_view pattern;  // lower case, matched against the lower-cased line
};

inline constexpr std::size_t kCommandCount = 43;

// Tried in this order; no line matches two patterns.
const std::array<CommandEntry, kCommandCount>& CommandTable();

}  // namespace sonorix
