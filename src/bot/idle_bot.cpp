#include "bot/idle_bot.h"

#include "chattext/chat_line.h"
#include "chattext/text_helpers.h"

namespace sonorix {

void IdleBot::Start(std::string reason) {
  reason_ = std::move(reason);
  hours_ = 0;
  minutes_ = 0;
  enabled_ = true;
  due_ = clock_.Seconds() + kIntervalSeconds;
}

void IdleBot::Stop() {
  enabled_ = false;
  hours_ = 0;
  minutes_ = 0;
}

void IdleBot::Tick() {
  if (!enabled_ || clock_.Seconds() < due_) return;
  due_ += kIntervalSeconds;
  if (due_ <= clock_.Seconds()) due_ = clock_.Seconds() + kIntervalSeconds;
  OnTimer();
}

void IdleBot::OnTimer() {
  const Style style = settings_.ReadCurrentStyle();
  if (++minutes_ == 60) {
    ++hours_;
    minutes_ = 0;
  }
  aol_.SendChat(IdleLine(style));
  auto transfer = actions_.FindTransfer();
  if (!transfer) return;
  transfer_ = std::move(*transfer);
  aol_.SendChat(FileLine(style));
}

std::string IdleBot::IdleLine(const Style& style) const {
  const std::string minuteWord = minutes_ == 1 ? "in" : "ins";
  const std::string minutes = std::to_string(minutes_) + " <FONT COLOR=#" + style.acolor +
                              ">m<font color=#" + style.fcolor + ">" + AccentText(minuteWord) +
                              ", " + reason_;
  if (hours_ == 0) {
    return ChatLine(style, "Sonorix") + " › <FONT COLOR=#" + style.acolor + ">" + AccentText("i") +
           "<font color=#" + style.fcolor + ">" + AccentText("dle for") + " " + minutes;
  }
  return ChatLine(style, "Sonorix") + " › " + std::to_string(hours_) + " <FONT COLOR=#" +
         style.acolor + ">h<font color=#" + style.fcolor + (hours_ == 1 ? ">r, " : ">rs, ") +
         minutes;
}

std::string IdleBot::FileLine(const Style& style) const {
  return ChatLine(style, "file") + " › <FONT COLOR=#" + style.acolor + ">" + transfer_.fileName +
         " <FONT COLOR=#" + style.fcolor + ">› p<FONT COLOR=#" + style.acolor + ">" +
         transfer_.percent + " <FONT COLOR=#" + style.fcolor + ">› mL<FONT COLOR=#" + style.acolor +
         ">" + transfer_.remaining;
}

}  // namespace sonorix
