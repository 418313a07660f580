#include "bot/away_commands.h"

#include "chattext/idle_lines.h"

namespace sonorix {

void AwayCommands::Idle(const Style& style, std::string_view reason) {
  if (idle_.Enabled()) return;
  p_.aol.SendChat(GoingIdleLine(style, reason));
  idle_.Start(std::string(reason));
}

void AwayCommands::Xidle(const Style& style) {
  if (!idle_.Enabled()) return;
  p_.aol.SendChat(IdleOffLine(style));
  idle_.Stop();
}

void AwayCommands::BrbReason(const Style& style, std::string_view reason) {
  p_.aol.SendChat(BrbReasonLine(style, reason));
}

void AwayCommands::Brb(const Style& style) { p_.aol.SendChat(BrbLine(style)); }

}  // namespace sonorix
