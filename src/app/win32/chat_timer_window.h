// The chat-scan's timer, on a message-only window of the program's own: every
// chat command and timed chat line starts from its tick.
#pragma once

#include <functional>

#include "ui/win32/window.h"

namespace sonorix {

class ChatTimerWindow final : public Window {
 public:
  // Throws StartFailure when the system makes no window.
  explicit ChatTimerWindow(std::function<void()> onTick);

  // Ticks every `ms` from now on. Throws StartFailure when the system gives
  // no timer: without it the room is never read and no command works.
  void Start(int ms);
  // A new pace for a started timer; before Start, nothing.
  void Pace(int ms);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::function<void()> onTick_;
  bool started_ = false;
};

}  // namespace sonorix
