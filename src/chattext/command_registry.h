// Every chat command in one table: the pattern that recognises it, where its
// argument starts, and the line that describes it in the command list.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace sonorix {

enum class CommandId {
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
  CommandId id;
  std::string_view pattern;   // lower case, for Like against the lower-cased line
  std::string_view listLine;  // empty: the command list does not show it

  // The argument is the line as typed from the pattern's "*" on: "p *"
  // takes it from the third character. Lower-casing keeps every byte where
  // it is, and the letters before the "*" are ASCII, so a byte offset is
  // the character position.
  constexpr std::size_t ArgumentStart() const { return pattern.find('*'); }
  // The argument of a line that matched; empty for a pattern without "*".
  std::string_view ArgumentOf(std::string_view typed) const {
    const std::size_t start = ArgumentStart();
    return start < typed.size() ? typed.substr(start) : std::string_view();
  }
};

// Tried in this order; no line matches two patterns. The three choice
// commands of a song search have no list line.
inline constexpr auto kCommands = std::to_array<CommandEntry>({
    {CommandId::Adv, "adv", "adv : advertise this"},
    {CommandId::Arand, "arand", "arand : enables auto random"},
    {CommandId::Xarand, "xarand", "xarand : disables auto random"},
    {CommandId::Cont, "cont", "cont : enables auto play thew"},
    {CommandId::Xcont, "xcont", "xcont : disables auto play threw"},
    {CommandId::Cc, "cc", "cc : clears the chat room"},
    {CommandId::Coms, "coms?", "coms? : shows # of commands"},
    {CommandId::Random, "r", "r : plays random mp3"},
    {CommandId::RandomSearch, "r *", "r * : plays random mp3 string"},
    {CommandId::PlaySearch, "p *", "p * : plays mp3"},
    {CommandId::Scroll, "/scroll", ""},
    {CommandId::Cancel, "/cancel", ""},
    {CommandId::View, "/view", ""},
    {CommandId::Stop, "stop", "stop : stops mp3"},
    {CommandId::LoadStyle, "ls *", "ls * : loads style"},
    {CommandId::Songs, "songs?", "songs? : gets dir and count info"},
    {CommandId::Date, "date", "date : get todays date"},
    {CommandId::Time, "time", "time : get todays time"},
    {CommandId::Pause, "pause", "pause : pause's mp3"},
    {CommandId::Xpause, "xpause", "xpause : unpause's mp3"},
    {CommandId::Volume, "v *", "v * : sets volume 1-100"},
    {CommandId::NewMail, "nmail", "nmail : views new mail"},
    {CommandId::OldMail, "omail", "omail : views old mail"},
    {CommandId::SentMail, "smail", "smail : views sent mail"},
    {CommandId::ViewCommands, "vcmds", "vcmds : view commands"},
    {CommandId::HideCommands, "xcmds", "xcmds : hide commands"},
    {CommandId::ViewStyles, "vsty", "vsty : view styles"},
    {CommandId::HideStyles, "xsty", "xsty : hide styles"},
    {CommandId::ViewPresets, "vpre", "vpre : view presets"},
    {CommandId::HidePresets, "xpre", "xpre : hide presets"},
    {CommandId::LoadPreset, "lp *", "lp * : load preset"},
    {CommandId::ImsOn, "imson", "imson : turn instant msg's on"},
    {CommandId::ImsOff, "imsoff", "imsoff : turn instant msg's off"},
    {CommandId::PrivateRoom, "pr *", "pr * : enter's private room"},
    {CommandId::Idle, "idle *", "idle * : idle's wit reason"},
    {CommandId::Xidle, "xidle", "xidle : turns idle off"},
    {CommandId::Keyword, "kw *", "kw * : goes to kw"},
    {CommandId::BrbReason, "brb *", "brb * : same as brb but with reas"},
    {CommandId::Brb, "brb", "brb : tells everyone be right back"},
    {CommandId::AolCaption, "aocap *", "aocap * : change aol's caption"},
    {CommandId::FastForward, "ff *", "ff * fast foward x:xx or x as in sec"},
    {CommandId::Rewind, "rr *", "rr * rewind x:xx or x as in sec"},
    {CommandId::Restart, "rst", "rst : restarts mp3"},
});

// Each command's entry sits at its id's place, so an id indexes any table
// kept in this order.
constexpr std::size_t IndexOf(CommandId id) { return static_cast<std::size_t>(id); }

constexpr bool EveryEntryAtItsIdsPlace() {
  for (std::size_t i = 0; i < kCommands.size(); ++i) {
    if (IndexOf(kCommands[i].id) != i) return false;
  }
  return true;
}
static_assert(EveryEntryAtItsIdsPlace());

// The command list's lines, sorted by their bytes: "r * ..." before "r : ...",
// whatever a locale would say.
const std::vector<std::string_view>& CommandListLines();

}  // namespace sonorix
