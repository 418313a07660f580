#include "chattext/idle_lines.h"

#include "chattext/chat_line.h"
#include "chattext/line_pieces.h"
#include "chattext/text_helpers.h"

namespace sonorix {

std::string GoingIdleLine(const Style& style, std::string_view reason) {
  return ChatLine(style, "goin i") + "<u>" + AccentText("d") + "</u>" +
         AccentText("le, " + std::string(reason));
}

std::string IdleOffLine(const Style& style) {
  return ChatLine(style, "Idle Bot") + " " + AccentTag(style) + AccentText("o") + "<font color=#" +
         style.fcolor + ">" + AccentText("ff");
}

std::string IdleTimeLine(const Style& style, int hours, int minutes, std::string_view reason) {
  const std::string minuteWord = minutes == 1 ? "in" : "ins";
  const std::string minutesPart = std::to_string(minutes) + " " + AccentTag(style) +
                                  "m<font color=#" + style.fcolor + ">" + AccentText(minuteWord) +
                                  ", " + std::string(reason);
  if (hours == 0) {
    return ChatLine(style, "Sonorix") + " › " + AccentTag(style) + AccentText("i") +
           "<font color=#" + style.fcolor + ">" + AccentText("dle for") + " " + minutesPart;
  }
  return ChatLine(style, "Sonorix") + " › " + std::to_string(hours) + " " + AccentTag(style) +
         "h<font color=#" + style.fcolor + (hours == 1 ? ">r, " : ">rs, ") + minutesPart;
}

std::string TransferLine(const Style& style, std::string_view fileName, std::string_view percent,
                         std::string_view remaining) {
  return ChatLine(style, "file") + " › " + AccentTag(style) + std::string(fileName) + " " +
         ColourTag(style.fcolor) + "› p" + AccentTag(style) + std::string(percent) + " " +
         ColourTag(style.fcolor) + "› mL" + AccentTag(style) + std::string(remaining);
}

std::string BrbReasonLine(const Style& style, std::string_view reason) {
  return CondensedHead(style) + "brb yo... › " + AccentTag(style) + AccentText(reason);
}

std::string BrbLine(const Style& style) { return CondensedLine(style, "be right back") + "..."; }

}  // namespace sonorix
