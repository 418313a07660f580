#include "bot/idle_bot.h"

#include "chattext/idle_lines.h"

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
  aol_.SendChat(IdleTimeLine(style, hours_, minutes_, reason_));
  auto transfer = actions_.FindTransfer();
  if (!transfer) return;
  transfer_ = std::move(*transfer);
  aol_.SendChat(TransferLine(style, transfer_.fileName, transfer_.percent, transfer_.remaining));
}

}  // namespace sonorix
