// A message-only window: other threads post to it, and its handler runs on the thread that
// made it, from that thread's message loop.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>

namespace sonorix {

class NotifyWindow {
 public:
  // The handler gets each posted value; an exception it throws stops there.
  // Throws StartFailure when the system makes no window.
  explicit NotifyWindow(std::function<void(std::uintptr_t)> onPost);
  NotifyWindow(const NotifyWindow&) = delete;
  NotifyWindow& operator=(const NotifyWindow&) = delete;

  // From any thread. False when the queue is full.
  bool Post(std::uintptr_t value) const;

 private:
  struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
  };

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::function<void(std::uintptr_t)> onPost_;
  std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer> window_;
};

}  // namespace sonorix
