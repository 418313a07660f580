#include "bot/command_table.h"

namespace sonorix {

const std::array<CommandEntry, kCommandCount>& CommandTable() {
  static const std::array<CommandEntry, kCommandCount> table{{
      {Command::Adv, "adv"},
      {Command::Arand, "arand"},
      {Command::Xarand, "xarand"},
      {Command::Cont, "cont"},
      {Command::Xcont, "xcont"},
      {Command::Cc, "cc"},
      {Command::Coms, "coms?"},
      {Command::Random, "r"},
      {Command::RandomSearch, "r *"},
      {Command::PlaySearch, "p *"},
      {Command::Scroll, "/scroll"},
      {Command::Cancel, "/cancel"},
      {Command::View, "/view"},
      {Command::Stop, "stop"},
      {Command::LoadStyle, "ls *"},
      {Command::Songs, "songs?"},
      {Command::Date, "date"},
      {Command::Time, "time"},
      {Command::Pause, "pause"},
      {Command::Xpause, "xpause"},
      {Command::Volume, "v *"},
      {Command::NewMail, "nmail"},
      {Command::OldMail, "omail"},
      {Command::SentMail, "smail"},
      {Command::ViewCommands, "vcmds"},
      {Command::HideCommands, "xcmds"},
      {Command::ViewStyles, "vsty"},
      {Command::HideStyles, "xsty"},
      {Command::ViewPresets, "vpre"},
      {Command::HidePresets, "xpre"},
      {Command::LoadPreset, "lp *"},
      {Command::ImsOn, "imson"},
      {Command::ImsOff, "imsoff"},
      {Command::PrivateRoom, "pr *"},
      {Command::Idle, "idle *"},
      {Command::Xidle, "xidle"},
      {Command::Keyword, "kw *"},
      {Command::BrbReason, "brb *"},
      {Command::Brb, "brb"},
      {Command::AolCaption, "aocap *"},
      {Command::FastForward, "ff *"},
      {Command::Rewind, "rr *"},
      {Command::Restart, "rst"},
  }};
  return table;
}

}  // namespace sonorix
