#include "bot/command_table.h"

namespace sonorix {

const std::array<CommandEntry, kCommandCount>& CommandTable() {
  static const std::array<CommandEntry, kCommandCount> table{{
      {Command::Adv, "adv"},           {Command::Arand, "arand"},
      {Command::Xarand, "xarand"},     {Command::Cont, "cont"},
      {Command::Xcont, "xcont"},       {Command::Cc, "cc"},
      {Command::Coms, "coms?"},        {Command::Random, "r"},
      {Command::RandomSearch, "r *"},  {Command::PlaySearch, "p *"},
      {Command::Scroll, "/scroll"},    {Command::Cancel, "/cancel"},
      {Command::View, "/view"},        {Command::Stop, "stop"},
      {Command::LoadStyle, "ls *"},    {Command::Songs, "songs?"},
      {Command::Date, "date"},         {Command::Time, "time"},
      {Command::Pause, "pause"},       {Command::Xpause, "xpause"},
      {Command::Volume, "v *"},        {Command::NewMail, "nmail"},
      {Command::OldMail, "omail"},     {Command::SentMail, "smail"},
      {Command::ViewCommands, "vcmds"}, {Command::HideCommands, "xcmds"},
      {Command::ViewStyles, "vsty"},   {Command::HideStyles, "xsty"},
      {Command::ViewPresets, "vpre"},  {Command::HidePresets, "xpre"},
      {Command::LoadPreset, "lp *"},   {Command::ImsOn, "imson"},
      {Command::ImsOff, "imsoff"},     {Command::PrivateRoom, "pr *"},
      {Command::Idle, "idle *"},       {Command::Xidle, "xidle"},
      {Command::Keyword, "kw *"},      {Command::BrbReason, "brb *"},
      {Command::Brb, "brb"},           {Command::AolCaption, "aocap *"},
      {Command::FastForward, "ff *"},  {Command::Rewind, "rr *"},
      {Command::Restart, "rst"},
  }};
  return table;
}

const std::vector<std::string_view>& CommandListLines() {
  static const std::vector<std::string_view> lines{
      "adv : advertise this",
      "aocap * : change aol's caption",
      "arand : enables auto random",
      "brb * : same as brb but with reas",
      "brb : tells everyone be right back",
      "cc : clears the chat room",
      "coms? : shows # of commands",
      "cont : enables auto play thew",
      "date : get todays date",
      "ff * fast foward x:xx or x as in sec",
      "idle * : idle's wit reason",
      "imsoff : turn instant msg's off",
      "imson : turn instant msg's on",
      "kw * : goes to kw",
      "lp * : load preset",
      "ls * : loads style",
      "nmail : views new mail",
      "omail : views old mail",
      "p * : plays mp3",
      "pause : pause's mp3",
      "pr * : enter's private room",
      "r * : plays random mp3 string",
      "r : plays random mp3",
      "rr * rewind x:xx or x as in sec",
      "rst : restarts mp3",
      "smail : views sent mail",
      "songs? : gets dir and count info",
      "stop : stops mp3",
      "time : get todays time",
      "v * : sets volume 1-100",
      "vcmds : view commands",
      "vpre : view presets",
      "vsty : view styles",
      "xarand : disables auto random",
      "xcmds : hide commands",
      "xcont : disables auto play threw",
      "xidle : turns idle off",
      "xpause : unpause's mp3",
      "xpre : hide presets",
      "xsty : hide styles",
  };
  return lines;
}

}  // namespace sonorix
