// Asking another program's window for its text length without waiting for
// the answer: the chat-scan's probe, many times a second.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>

namespace sonorix {

// A cross-process SendMessage blocks this thread and, under Wine, costs the
// most of a probe; SendMessageCallback does not wait, and so needs no worker
// thread to bound the wait on a hung client. It is asked in UTF-16: Wine
// answers the ANSI form by a send that does wait. So the answer counts
// UTF-16 units, to be compared only with other answers. The answer is posted to a
// message-only window and so runs only where posted messages are handled,
// like a timer's tick, never inside a wait for a bounded call.
class LengthQuestions {
 public:
  using Answer = std::function<void(std::size_t)>;

  LengthQuestions();
  ~LengthQuestions();
  LengthQuestions(const LengthQuestions&) = delete;
  LengthQuestions& operator=(const LengthQuestions&) = delete;

  // Only the newest question's answer is delivered. While one to the same
  // window is unanswered, however old, asking does nothing and returns
  // false: a sleeping program is not buried in questions it would answer
  // all at once, and each one takes a place in its message queue, which
  // Windows caps at 10,000. A window gone is asked afresh, for it cannot
  // answer.
  bool Ask(HWND window, Answer answer);

 private:
  struct WindowCloser {
    void operator()(HWND window) const { DestroyWindow(window); }
  };

  static void CALLBACK Answered(HWND window, UINT message, ULONG_PTR data, LRESULT result);
  static LRESULT CALLBACK MailboxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Deliver(std::uint32_t question, std::size_t length);

  std::unique_ptr<std::remove_pointer_t<HWND>, WindowCloser> mailbox_;
  std::uint32_t asked_ = 0;
  HWND askedWindow_ = nullptr;
  Answer answer_;
};

}  // namespace sonorix
