// The chat-scan component: reads the open chat room's transcript and raises
// one event per new line.
#pragma once

#include <deque>
#include <functional>

#include "aol/quenby_aol8.h"
#include "bot/transcript_follower.h"

namespace sonorix {

// Poll() is meant for a timer of at least ten ticks a second. While nothing
// changes a tick costs two messages (the room's place in z-order and the
// transcript's length); the client's windows are walked again when the room
// is no longer on top, once a second, and every tick while no room is open.
// Lines already in a room when it is first seen are never reported.
class NiteScan {
 public:
  using LineHandler = std::function<void(const ChatLineEvent&)>;

  NiteScan(Aol8& aol, WindowApi& windows, LineHandler onLine);

  // Starts watching: whatever the open room holds now counts as seen.
  void Start();
  bool Started() const { return started_; }
  void Poll();
  // Empties the transcript through the given call and goes on from what it
  // holds afterwards, whether the clear worked or not: a clear that did not
  // happen must not make every earlier line new again. Lines that came
  // before the clear are still reported.
  void FollowClear(const std::function<void()>& clear);

 private:
  static constexpr int kTicksPerWalk = 10;

  bool RoomMayHaveChanged();
  void FindRoom();
  void ReadNewLines();
  void DeliverQueued();

  Aol8& aol_;
  WindowApi& windows_;
  LineHandler onLine_;
  bool started_ = false;
  WindowRef room_;
  WindowRef top_;
  WindowRef transcript_;
  std::size_t length_ = 0;
  int ticks_ = 0;
  TranscriptFollower follower_;
  std::deque<ChatLineEvent> queue_;
  bool delivering_ = false;
};

}  // namespace sonorix
