#include "bot/chat_bot.h"

#include <optional>

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

void ChatBot::DispatchChatLine(const std::string& screenName, const std::string& text) {
  work_.Push([this, line = ChatLineEvent{screenName, text}] { HandleLine(line); });
}

// A tick that comes inside a handler is let go, not queued: the timer
// comes again soon, and the timed work keeps its own time.
void ChatBot::Tick() {
  if (work_.Running()) return;
  work_.Push([this] {
    songs_.Tick();
    idle_.Tick();
  });
}

// Nobody is obeyed while no one is signed on, whatever his name. The style
// is read afresh for each line, but only once it runs a command: five file
// reads for every line in the room held up the command typed next.
void ChatBot::HandleLine(const ChatLineEvent& line) {
  const std::string user = p_.aol.GetUserSN();
  if (user == kNotOnline || line.screenName != user) return;
  if (ownLines_.TakeEcho(line.text)) return;
  const std::string lowered = LowerCase(line.text);
  std::optional<Style> style;
  for (const CommandEntry& command : kCommands) {
    if (!Like(lowered, command.pattern)) continue;
    if (!style) style = p_.settings.ReadCurrentStyle();
    const CommandHandler handler = HandlerOf(command.id);
    if (handler(branches_, *style, command.ArgumentOf(line.text)) == Flow::EndLine) return;
  }
}

}  // namespace sonorix
