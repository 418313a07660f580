// The chat-scan component: reads the open chat room's transcript and raises
// one event per new line.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "aol/aol_client.h"
#include "bot/transcript_follower.h"
#include "core/clock.h"
#include "core/serial_queue.h"

namespace sonorix {

// Poll() is meant for a timer that comes every TickMs(); every interval is
// measured on the clock, since a timer may come later than asked (Windows
// rounds up to its own tick, about 15.6 ms). While nothing
// changes a tick costs a look at the room's place in z-order and a question
// of the transcript's length that is not waited for; the answer reads the
// new lines when it comes. The client's windows are walked again, and the
// whole transcript read, when the room is no longer on top, once a second,
// and every tick while no room is open. Lines already in a room when it is
// first seen are never reported.
class ChatScan {
 public:
  using LineHandler = std::function<void(const ChatLineEvent&)>;

  ChatScan(AolClient& aol, WindowApi& windows, const Clock& clock, LineHandler onLine);

  // Starts watching: whatever the open room holds now counts as seen.
  void Start();
  bool Started() const { return started_; }
  void Poll();
  // When the next Poll is due, in milliseconds: soon for a while after the
  // room last showed a new line, so a command in a conversation is read at
  // once, and later while the room is quiet, where a tick's cost adds up.
  int TickMs() const { return quickLeftMs_ > 0 ? kQuickTickMs : kQuietTickMs; }
  // Told the new TickMs() whenever it changes, also between polls: an
  // answer that brings a new line quickens the very next tick.
  void SetPaceObserver(std::function<void(int)> observer) { paceObserver_ = std::move(observer); }
  // Empties the transcript through the given call and goes on from what it
  // holds afterwards, whether the clear worked or not: a clear that did not
  // happen must not make every earlier line new again. Lines that came
  // before the clear are still reported.
  void FollowClear(const std::function<void()>& clear);

  static constexpr int kQuickTickMs = 10;
  static constexpr int kQuietTickMs = 100;

 private:
  static constexpr int kQuickForMs = 5000;
  static constexpr int kWalkEveryMs = 1000;

  int ElapsedMs();
  bool RoomMayHaveChanged();
  void FindRoom();
  void AskLength(int elapsedMs);
  void OnLength(WindowRef transcript, std::size_t length);
  void ReadNewLines();
  bool ReadText();
  void SetQuickLeft(int ms);
  void DeliverQueued();

  AolClient& aol_;
  WindowApi& windows_;
  const Clock& clock_;
  LineHandler onLine_;
  std::function<void(int)> paceObserver_;
  bool started_ = false;
  WindowRef room_;
  WindowRef top_;
  WindowRef transcript_;
  // The transcript's length in the last answer that was read after, or
  // none since the room was found.
  std::optional<std::size_t> answered_;
  double lastPoll_ = 0;  // seconds on the clock
  int sinceWalkMs_ = 0;
  int unansweredForMs_ = 0;  // the length question has waited so long
  int quickLeftMs_ = 0;
  TranscriptFollower follower_;
  // The new lines, each handed to the handler in its turn.
  SerialQueue lines_;
  // An answer may come after this scan is gone; it then finds this expired.
  std::shared_ptr<char> alive_ = std::make_shared<char>();
};

}  // namespace sonorix
