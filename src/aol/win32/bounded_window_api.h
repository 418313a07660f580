// The window API on user32, with a time limit on every wait for another
// program: the one the program drives the client through.
#pragma once

#include "aol/bounded_calls.h"
#include "aol/win32/user32_window_api.h"

namespace sonorix {

// A client whose thread stops reading its messages blocks every SendMessage
// to it until it wakes; a time limit on SendMessageTimeout is not kept by
// every system (Wine 8 returned only when the client woke). So each call
// that sends a message (SendText, Send, TextLength, Text) runs on one worker
// thread, and the calling thread waits for it at most kAnswerLimit, with the
// BoundedCalls contract: a call not answered in time yields the null
// reference, 0 or "" and counts in UnansweredCalls(); while it is stuck,
// every further sending call yields the same at once and never runs later.
//
// While it waits, the calling thread handles messages that other threads
// send to its windows (so a call that reaches one of this thread's own
// windows is answered, not deadlocked), but no posted input: no handler
// starts inside another. A handler that runs there and calls in again is
// refused, as while a call is stuck.
//
// Send's lParam must be a number: a pointer could be read after the caller
// gave the call up. The window-manager reads (FindTopLevel, TopLevelWindows,
// ProcessOf, FindChild, GetSibling, FindControl, IsVisible, and Caption of
// another program's window), Post and AskTextLength never wait for another
// program and run directly.
//
// Once closed, the program is ending: Send, SendText and Post reach nothing
// and yield 0, so no handler still running types, clicks or presses a key
// in the client after the program's last lines.
class BoundedWindowApi final : public WindowApi {
 public:
  // Long enough for a busy client to answer a poll, short enough that one
  // stall at the start of a hang goes by as a hitch.
  static constexpr std::chrono::milliseconds kAnswerLimit{250};

  // A test that needs every call answered gives a limit no busy machine reaches.
  explicit BoundedWindowApi(std::chrono::milliseconds answerLimit = kAnswerLimit);

  WindowRef FindTopLevel(std::string_view className) override;
  WindowRef FindTopLevelCaptioned(std::string_view className, std::string_view caption) override;
  std::vector<WindowRef> TopLevelWindows(std::string_view className) override;
  std::uint32_t ProcessOf(WindowRef window) override;
  WindowRef FindChild(WindowRef parent, WindowRef after, std::string_view className) override;
  WindowRef GetSibling(WindowRef window, Sibling which) override;
  WindowRef FindControl(WindowRef parent, int id) override;
  std::intptr_t SendText(WindowRef window, WindowMessage message, std::string_view text) override;
  std::intptr_t Send(WindowRef window, WindowMessage message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
  void Post(WindowRef window, WindowMessage message, std::uintptr_t wParam,
            std::intptr_t lParam) override;
  std::size_t TextLength(WindowRef window) override;
  bool AskTextLength(WindowRef window, std::function<void(std::size_t)> answer) override;
  std::string Text(WindowRef window) override;
  std::string Caption(WindowRef window) override;
  bool IsVisible(WindowRef window) override;
  void DoEvents() override;
  std::uint64_t UnansweredCalls() const override {
    return calls_.Unanswered() + direct_.UnansweredCalls();
  }
  void Close() { closed_ = true; }

 private:
  User32WindowApi direct_;
  BoundedCalls calls_;
  bool closed_ = false;
};

}  // namespace sonorix
