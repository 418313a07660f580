#include "bot/away_commands.h"

#include "chattext/chat_line.h"
#include "chattext/text_helpers.h"

namespace sonorix {

void AwayCommands::Idle(const Style& style, std::string_view reason) {
  if (idle_.Enabled()) return;
  p_.aol.SendChat(ChatLine(style, "goin i") + "<u>" + AccentText("d") + "</u>" +
                  AccentText("le, " + std::string(reason)));
  idle_.Start(std::string(reason));
}

void AwayCommands::Xidle(const Style& style) {
  if (!idle_.Enabled()) return;
  p_.aol.SendChat(ChatLine(style, "Idle Bot") + " <FONT COLOR=#" + style.acolor + ">" +
                  AccentText("o") + "<font color=#" + style.fcolor + ">" + AccentText("ff"));
  idle_.Stop();
}

void AwayCommands::BrbReason(const Style& style, std::string_view reason) {
  p_.aol.SendChat(CondensedHead(style) + "brb yo... › <FONT COLOR=#" + style.acolor + ">" +
                  AccentText(reason));
}

void AwayCommands::Brb(const Style& style) {
  p_.aol.SendChat(CondensedLine(style, "be right back") + "...");
}

}  // namespace sonorix
