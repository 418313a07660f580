#include "bot/chat_bot.h"

#include "chattext/like_pattern.h"
#include "chattext/text_helpers.h"

namespace sonorix {

ChatBot::ChatBot(BotParts parts)
    : p_(parts),
      songs_(parts),
      transport_(parts),
      modes_(parts),
      look_(parts),
      actions_(parts.aol.Windows(), parts.aol, parts.clock),
      idle_(parts.settings, parts.aol, actions_, parts.clock),
      away_(parts, idle_),
      account_(parts, actions_) {
  p_.aol.SetSentObserver([this](std::string_view line) { ownLines_.Remember(line); });
}

namespace {

class BusyWhileAlive {
 public:
  explicit BusyWhileAlive(bool& busy) : busy_(busy) { busy_ = true; }
  ~BusyWhileAlive() { busy_ = false; }
  BusyWhileAlive(const BusyWhileAlive&) = delete;
  BusyWhileAlive& operator=(const BusyWhileAlive&) = delete;

 private:
  bool& busy_;
};

}  // namespace

void ChatBot::DispatchChatLine(const std::string& screenName, const std::string& text) {
  waiting_.push_back({screenName, text});
  if (busy_) return;
  const BusyWhileAlive busy(busy_);
  RunWaitingLines();
}

void ChatBot::Tick() {
  if (busy_) return;
  const BusyWhileAlive busy(busy_);
  songs_.Tick();
  idle_.Tick();
  RunWaitingLines();
}

void ChatBot::RunWaitingLines() {
  while (!waiting_.empty()) {
    const ChatLineEvent line = std::move(waiting_.front());
    waiting_.pop_front();
    HandleLine(line);
  }
}

// Nobody is obeyed while no one is signed on, whatever his name.
void ChatBot::HandleLine(const ChatLineEvent& line) {
  const Style style = p_.settings.ReadCurrentStyle();
  const std::string user = p_.aol.GetUserSN();
  if (user == kNotOnline || line.screenName != user) return;
  if (ownLines_.TakeEcho(line.text)) return;
  const std::string lowered = LowerCase(line.text);
  for (const CommandEntry& command : kCommands) {
    if (!Like(lowered, command.pattern)) continue;
    const CommandHandler handler = HandlerOf(command.id);
    if (handler(branches_, style, command.ArgumentOf(line.text)) == Flow::EndLine) return;
  }
}

}  // namespace sonorix
