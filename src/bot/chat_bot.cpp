#include "bot/chat_bot.h"

#include "chattext/chat_line.h"
#include "chattext/like_pattern.h"
#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

// The argument of "p *", "v *" and the like: the line as typed from its
// third character on. The command letters before it are ASCII, so bytes
// and characters agree there.
std::string_view ArgumentFrom(const std::string& text, std::size_t position) {
  return position - 1 < text.size() ? std::string_view(text).substr(position - 1)
                                    : std::string_view();
}

}  // namespace

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
  for (const CommandEntry& entry : CommandTable()) {
    if (!Like(lowered, entry.pattern)) continue;
    if (Run(entry.command, style, line.text) == Flow::EndLine) return;
  }
}

Flow ChatBot::Run(Command command, const Style& style, const std::string& text) {
  switch (command) {
    case Command::Adv:
      Advertise(style);
      return Flow::Continue;
    case Command::Random:
      return songs_.Random();
    case Command::RandomSearch:
      return songs_.RandomSearch(style, ArgumentFrom(text, 3));
    case Command::PlaySearch:
      return songs_.PlaySearch(style, ArgumentFrom(text, 3));
    case Command::Scroll:
      return songs_.Scroll(style);
    case Command::Cancel:
      return songs_.Cancel(style);
    case Command::View:
      return songs_.View(style);
    case Command::Arand:
    case Command::Xarand:
    case Command::Cont:
    case Command::Xcont:
    case Command::Cc:
    case Command::Coms:
      return RunHousekeeping(command, style);
    case Command::NewMail:
    case Command::OldMail:
    case Command::SentMail:
    case Command::ImsOn:
    case Command::ImsOff:
    case Command::PrivateRoom:
    case Command::Idle:
    case Command::Xidle:
    case Command::Keyword:
    case Command::BrbReason:
    case Command::Brb:
    case Command::AolCaption:
      return RunClient(command, style, text);
    case Command::LoadStyle:
    case Command::LoadPreset:
    case Command::ViewCommands:
    case Command::HideCommands:
    case Command::ViewStyles:
    case Command::HideStyles:
    case Command::ViewPresets:
    case Command::HidePresets:
      return RunLook(command, style, text);
    default:
      return RunTransport(command, style, text);
  }
}

Flow ChatBot::RunHousekeeping(Command command, const Style& style) {
  switch (command) {
    case Command::Arand:
      modes_.AutoRandomOn(style);
      break;
    case Command::Xarand:
      modes_.AutoRandomOff(style);
      break;
    case Command::Cont:
      modes_.ContinuousOn(style);
      break;
    case Command::Xcont:
      modes_.ContinuousOff(style);
      break;
    case Command::Cc:
      return modes_.ClearChat(style);
    case Command::Coms:
      modes_.CountCommands(style);
      break;
    default:
      break;
  }
  return Flow::Continue;
}

Flow ChatBot::RunLook(Command command, const Style& style, const std::string& text) {
  switch (command) {
    case Command::LoadStyle:
      look_.LoadStyle(style, ArgumentFrom(text, 3));
      break;
    case Command::LoadPreset:
      look_.LoadPreset(style, ArgumentFrom(text, 3));
      break;
    case Command::ViewCommands:
      look_.Show(style, LookWindow::Commands);
      break;
    case Command::HideCommands:
      look_.Hide(style, LookWindow::Commands);
      break;
    case Command::ViewStyles:
      look_.Show(style, LookWindow::Styles);
      break;
    case Command::HideStyles:
      look_.Hide(style, LookWindow::Styles);
      break;
    case Command::ViewPresets:
      look_.Show(style, LookWindow::Presets);
      break;
    case Command::HidePresets:
      look_.Hide(style, LookWindow::Presets);
      break;
    default:
      break;
  }
  return Flow::Continue;
}

Flow ChatBot::RunTransport(Command command, const Style& style, const std::string& text) {
  switch (command) {
    case Command::Stop:
      transport_.Stop(style);
      break;
    case Command::Pause:
      transport_.Pause(style);
      break;
    case Command::Xpause:
      transport_.Resume(style);
      break;
    case Command::Volume:
      transport_.Volume(style, ArgumentFrom(text, 3));
      break;
    case Command::FastForward:
      transport_.Seek(style, ArgumentFrom(text, 4), true);
      break;
    case Command::Rewind:
      transport_.Seek(style, ArgumentFrom(text, 4), false);
      break;
    case Command::Restart:
      transport_.Restart(style);
      break;
    case Command::Songs:
      transport_.SongCount(style);
      break;
    case Command::Date:
      transport_.Date(style);
      break;
    case Command::Time:
      transport_.Time(style);
      break;
    default:
      break;
  }
  return Flow::Continue;
}

Flow ChatBot::RunClient(Command command, const Style& style, const std::string& text) {
  switch (command) {
    case Command::NewMail:
      account_.Mail(style, "new");
      break;
    case Command::OldMail:
      account_.Mail(style, "old");
      break;
    case Command::SentMail:
      account_.Mail(style, "sent");
      break;
    case Command::ImsOn:
      account_.InstantMessages(style, true);
      break;
    case Command::ImsOff:
      account_.InstantMessages(style, false);
      break;
    case Command::PrivateRoom:
      account_.PrivateRoom(style, ArgumentFrom(text, 4));
      break;
    case Command::Keyword:
      account_.Keyword(style, ArgumentFrom(text, 4));
      break;
    case Command::AolCaption:
      account_.Caption(style, ArgumentFrom(text, 7));
      break;
    case Command::Idle:
      away_.Idle(style, ArgumentFrom(text, 6));
      break;
    case Command::Xidle:
      away_.Xidle(style);
      break;
    case Command::BrbReason:
      away_.BrbReason(style, ArgumentFrom(text, 5));
      break;
    case Command::Brb:
      away_.Brb(style);
      break;
    default:
      break;
  }
  return Flow::Continue;
}

void ChatBot::Advertise(const Style& style) {
  p_.aol.SendChat(ChatLine(style, "Sonorix ...") + " v<FONT COLOR=#" + style.acolor +
                  ">1.1 <FONT COLOR=#" + style.fcolor + ">" + AccentText("by Dorvin › aol") +
                  " <font color=#" + style.acolor + ">8.0");
  p_.clock.Pause(0.1);
  p_.aol.SendChat(ChatLine(style, "this shit's tite, aint it?"));
}

}  // namespace sonorix
