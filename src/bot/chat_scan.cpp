#include "bot/chat_scan.h"

#include <algorithm>
#include <cmath>

namespace sonorix {

ChatScan::ChatScan(AolClient& aol, WindowApi& windows, const Clock& clock, LineHandler onLine)
    : aol_(aol), windows_(windows), clock_(clock), onLine_(std::move(onLine)) {}

void ChatScan::Start() {
  started_ = true;
  lastPoll_ = clock_.Seconds();
  FindRoom();
}

// A room that is new to us (another room on top, or the client restarted)
// starts from what it shows now: old commands are never replayed. If the
// client did not answer, the room is looked for again next tick.
void ChatScan::FindRoom() {
  const std::uint64_t unanswered = windows_.UnansweredCalls();
  const WindowRef room = aol_.FindChatRoom();
  if (room == room_ && transcript_) {
    top_ = windows_.GetSibling(room, Sibling::First);
    return;
  }
  room_ = room;
  top_ = windows_.GetSibling(room, Sibling::First);
  transcript_ = aol_.FindTranscript(room);
  answered_.reset();
  follower_.Reset(windows_.Text(transcript_));
  if (windows_.UnansweredCalls() != unanswered) transcript_ = {};
}

void ChatScan::FollowClear(const std::function<void()>& clear) {
  ReadNewLines();
  clear();
  if (!transcript_) return;
  const std::uint64_t unanswered = windows_.UnansweredCalls();
  answered_.reset();
  follower_.Reset(windows_.Text(transcript_));
  // An unanswered read says nothing of what the room holds: the room is
  // taken afresh, from what it shows, once the client answers again.
  if (windows_.UnansweredCalls() != unanswered) transcript_ = {};
}

// One look a tick tells whether the room is still the topmost document;
// a full walk runs when it is not, and once a second whatever happens.
bool ChatScan::RoomMayHaveChanged() {
  if (!transcript_ || sinceWalkMs_ >= kWalkEveryMs) return true;
  return windows_.GetSibling(room_, Sibling::First) != top_;
}

// A tick with a call the client did not answer is a tick without a client:
// nothing read in it counts, and queued lines wait, since the command gate
// could not tell who is signed on. Between walks the client's answer to the
// length question is what shows it awake.
void ChatScan::Poll() {
  if (!started_) return;
  const int elapsedMs = ElapsedMs();
  sinceWalkMs_ = std::min(sinceWalkMs_ + elapsedMs, kWalkEveryMs);
  SetQuickLeft(quickLeftMs_ > elapsedMs ? quickLeftMs_ - elapsedMs : 0);
  const std::uint64_t unanswered = windows_.UnansweredCalls();
  if (RoomMayHaveChanged()) {
    sinceWalkMs_ = 0;
    FindRoom();
    // The whole text, since a capped transcript can keep its length while
    // a new line pushes out an old one.
    ReadNewLines();
    if (windows_.UnansweredCalls() == unanswered) DeliverQueued();
  } else {
    AskLength(elapsedMs);
  }
}

// Whole milliseconds since the last poll; the fraction left over counts
// toward the next. Capped, so the counts cannot overflow however long the
// system slept.
int ChatScan::ElapsedMs() {
  constexpr double kCapMs = 3600.0 * 1000;
  const double now = clock_.Seconds();
  const double ms = std::round((now - lastPoll_) * 1000.0);
  if (ms == 0) return 0;
  if (ms < 0 || ms > kCapMs) {
    lastPoll_ = now;
    return ms < 0 ? 0 : static_cast<int>(kCapMs);
  }
  lastPoll_ += ms / 1000.0;
  return static_cast<int>(ms);
}

// A question unanswered for a whole quiet tick means a client too busy to
// answer quickly: the quiet pace, until it answers.
void ChatScan::AskLength(int elapsedMs) {
  if (!transcript_) return;
  const bool asked = windows_.AskTextLength(
      transcript_,
      [this, alive = std::weak_ptr<char>(alive_), transcript = transcript_](std::size_t length) {
        if (!alive.expired()) OnLength(transcript, length);
      });
  unansweredForMs_ = asked ? 0 : std::min(unansweredForMs_ + elapsedMs, kQuietTickMs);
  if (unansweredForMs_ >= kQuietTickMs) SetQuickLeft(0);
}

// An answer about a room no longer followed changes nothing.
void ChatScan::OnLength(WindowRef transcript, std::size_t length) {
  if (!started_ || transcript != transcript_) return;
  const std::uint64_t unanswered = windows_.UnansweredCalls();
  if (length != answered_ && ReadText()) answered_ = length;
  if (windows_.UnansweredCalls() == unanswered) DeliverQueued();
}

void ChatScan::ReadNewLines() {
  if (transcript_) ReadText();
}

// False if the client did not answer: nothing was read.
bool ChatScan::ReadText() {
  const std::uint64_t unanswered = windows_.UnansweredCalls();
  const std::string text = windows_.Text(transcript_);
  if (windows_.UnansweredCalls() != unanswered) return false;
  for (const std::string& line : follower_.Advance(text)) {
    lines_.Add([this, event = SplitTranscriptLine(line)] { onLine_(event); });
    SetQuickLeft(kQuickForMs);
  }
  return true;
}

void ChatScan::SetQuickLeft(int ms) {
  const int before = TickMs();
  quickLeftMs_ = ms;
  if (TickMs() != before && paceObserver_) paceObserver_(TickMs());
}

// Lines are handed over one at a time, in order. A handler that waits (and
// so lets this timer tick again inside it) only adds to the queue; the
// outer delivery goes on with the next line once the handler returns,
// unless the client stopped answering meanwhile.
void ChatScan::DeliverQueued() {
  const std::uint64_t unanswered = windows_.UnansweredCalls();
  lines_.Run([&] { return windows_.UnansweredCalls() == unanswered; });
}

}  // namespace sonorix
