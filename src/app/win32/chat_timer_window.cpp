#include "app/win32/chat_timer_window.h"

#include "core/trace.h"
#include "core/win32/start_failure.h"

namespace sonorix {

namespace {

constexpr UINT_PTR kTimerChatScan = 1;

}  // namespace

ChatTimerWindow::ChatTimerWindow(std::function<void()> onTick) : onTick_(std::move(onTick)) {
  if (!CreateWindowOfClass(L"Sonorix Chat Timer", 0, 0, RECT{}, HWND_MESSAGE)) {
    throw StartFailure("the chat-scan's window");
  }
}

void ChatTimerWindow::Start(int ms) {
  if (SetTimer(Hwnd(), kTimerChatScan, static_cast<UINT>(ms), nullptr) == 0) {
    throw StartFailure("the chat-scan timer");
  }
  started_ = true;
}

// Setting a running timer again only changes its pace (and starts the new
// period now); should that fail, the old pace goes on.
void ChatTimerWindow::Pace(int ms) {
  if (started_ && SetTimer(Hwnd(), kTimerChatScan, static_cast<UINT>(ms), nullptr) == 0) {
    Trace("timer could not be set: chat-scan pace");
  }
}

LRESULT ChatTimerWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kTimerChatScan) {
    onTick_();
    return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace sonorix
