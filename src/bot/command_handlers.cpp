#include "bot/command_handlers.h"

#include <array>

namespace sonorix {

namespace {

using Branches = CommandBranches;

struct HandlerEntry {
  CommandId id;
  CommandHandler run;
};

// Most branches never end the handling of a line: wraps one that returns
// nothing into a handler that says to go on.
template <typename Branch>
constexpr CommandHandler GoOn(Branch) {
  return [](Branches& b, const Style& s, std::string_view a) {
    Branch{}(b, s, a);
    return Flow::Continue;
  };
}

// In the registry's order, one entry per command.
constexpr auto kHandlers = std::to_array<HandlerEntry>({
    {CommandId::Adv,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.modes.Advertise(s); })},
    {CommandId::Arand,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.modes.AutoRandomOn(s); })},
    {CommandId::Xarand,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.modes.AutoRandomOff(s); })},
    {CommandId::Cont,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.modes.ContinuousOn(s); })},
    {CommandId::Xcont,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.modes.ContinuousOff(s); })},
    {CommandId::Cc,
     [](Branches& b, const Style& s, std::string_view) { return b.modes.ClearChat(s); }},
    {CommandId::Coms,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.modes.CountCommands(s); })},
    {CommandId::Random,
     [](Branches& b, const Style&, std::string_view) { return b.songs.Random(); }},
    {CommandId::RandomSearch,
     [](Branches& b, const Style& s, std::string_view a) { return b.songs.RandomSearch(s, a); }},
    {CommandId::PlaySearch,
     [](Branches& b, const Style& s, std::string_view a) { return b.songs.PlaySearch(s, a); }},
    {CommandId::Scroll,
     [](Branches& b, const Style& s, std::string_view) { return b.songs.Scroll(s); }},
    {CommandId::Cancel,
     [](Branches& b, const Style& s, std::string_view) { return b.songs.Cancel(s); }},
    {CommandId::View,
     [](Branches& b, const Style& s, std::string_view) { return b.songs.View(s); }},
    {CommandId::Stop,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.transport.Stop(s); })},
    {CommandId::LoadStyle,
     GoOn([](Branches& b, const Style& s, std::string_view a) { b.look.LoadStyle(s, a); })},
    {CommandId::Songs,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.transport.SongCount(s); })},
    {CommandId::Date,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.transport.Date(s); })},
    {CommandId::Time,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.transport.Time(s); })},
    {CommandId::Pause,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.transport.Pause(s); })},
    {CommandId::Xpause,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.transport.Resume(s); })},
    {CommandId::Volume,
     GoOn([](Branches& b, const Style& s, std::string_view a) { b.transport.Volume(s, a); })},
    {CommandId::NewMail,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.account.Mail(s, "new"); })},
    {CommandId::OldMail,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.account.Mail(s, "old"); })},
    {CommandId::SentMail,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.account.Mail(s, "sent"); })},
    {CommandId::ViewCommands, GoOn([](Branches& b, const Style& s, std::string_view) {
       b.look.Show(s, LookWindow::Commands);
     })},
    {CommandId::HideCommands, GoOn([](Branches& b, const Style& s, std::string_view) {
       b.look.Hide(s, LookWindow::Commands);
     })},
    {CommandId::ViewStyles, GoOn([](Branches& b, const Style& s, std::string_view) {
       b.look.Show(s, LookWindow::Styles);
     })},
    {CommandId::HideStyles, GoOn([](Branches& b, const Style& s, std::string_view) {
       b.look.Hide(s, LookWindow::Styles);
     })},
    {CommandId::ViewPresets, GoOn([](Branches& b, const Style& s, std::string_view) {
       b.look.Show(s, LookWindow::Presets);
     })},
    {CommandId::HidePresets, GoOn([](Branches& b, const Style& s, std::string_view) {
       b.look.Hide(s, LookWindow::Presets);
     })},
    {CommandId::LoadPreset,
     GoOn([](Branches& b, const Style& s, std::string_view a) { b.look.LoadPreset(s, a); })},
    {CommandId::ImsOn, GoOn([](Branches& b, const Style& s, std::string_view) {
       b.account.InstantMessages(s, true);
     })},
    {CommandId::ImsOff, GoOn([](Branches& b, const Style& s, std::string_view) {
       b.account.InstantMessages(s, false);
     })},
    {CommandId::PrivateRoom,
     GoOn([](Branches& b, const Style& s, std::string_view a) { b.account.PrivateRoom(s, a); })},
    {CommandId::Idle,
     GoOn([](Branches& b, const Style& s, std::string_view a) { b.away.Idle(s, a); })},
    {CommandId::Xidle,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.away.Xidle(s); })},
    {CommandId::Keyword,
     GoOn([](Branches& b, const Style& s, std::string_view a) { b.account.Keyword(s, a); })},
    {CommandId::BrbReason,
     GoOn([](Branches& b, const Style& s, std::string_view a) { b.away.BrbReason(s, a); })},
    {CommandId::Brb, GoOn([](Branches& b, const Style& s, std::string_view) { b.away.Brb(s); })},
    {CommandId::AolCaption,
     GoOn([](Branches& b, const Style& s, std::string_view a) { b.account.Caption(s, a); })},
    {CommandId::FastForward,
     GoOn([](Branches& b, const Style& s, std::string_view a) { b.transport.Seek(s, a, true); })},
    {CommandId::Rewind,
     GoOn([](Branches& b, const Style& s, std::string_view a) { b.transport.Seek(s, a, false); })},
    {CommandId::Restart,
     GoOn([](Branches& b, const Style& s, std::string_view) { b.transport.Restart(s); })},
});

constexpr bool OneHandlerPerCommandInRegistryOrder() {
  if (kHandlers.size() != kCommands.size()) return false;
  for (std::size_t i = 0; i < kHandlers.size(); ++i) {
    if (kHandlers[i].id != kCommands[i].id) return false;
  }
  return true;
}
static_assert(OneHandlerPerCommandInRegistryOrder());

}  // namespace

CommandHandler HandlerOf(CommandId id) { return kHandlers[IndexOf(id)].run; }

}  // namespace sonorix
