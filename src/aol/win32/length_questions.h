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

  // Long enough for a busy program to answer; a question older than this is
  // given up, so a program that died with one unanswered is asked again.
  static constexpr ULONGLONG kPatienceMs = 250;

  LengthQuestions();
  ~LengthQuestions();
  LengthQuestions(const LengthQuestions&) = delete;
  LengthQuestions& operator=(const LengthQuestions&) = delete;

  // Only the newest question's answer is delivered. While a younger one is
  // unanswered, asking does nothing: a sleeping program is not buried in
  // questions it will answer all at once.
  void Ask(HWND window, Answer answer);

 private:
  struct WindowCloser {
    void operator()(HWND window) const { DestroyWindow(window); }
  };

  static void CALLBACK Answered(HWND window, UINT message, ULONG_PTR data, LRESULT result);
  static LRESULT CALLBACK MailboxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Deliver(std::uint32_t question, std::size_t length);

  std::unique_ptr<std::remove_pointer_t<HWND>, WindowCloser> mailbox_;
  std::uint32_t asked_ = 0;
  ULONGLONG askedAt_ = 0;
  Answer answer_;
};

}  // namespace sonorix
