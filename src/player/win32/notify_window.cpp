#include "player/win32/notify_window.h"

#include "core/win32/start_failure.h"

namespace sonorix {

namespace {

constexpr wchar_t kClassName[] = L"SonorixPlayerNotify";
constexpr UINT kPostedMessage = WM_APP + 1;

// Registering again is harmless: a second player finds the class already there.
void RegisterNotifyClass(WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
}

}  // namespace

NotifyWindow::NotifyWindow(std::function<void(std::uintptr_t)> onPost)
    : onPost_(std::move(onPost)) {
  RegisterNotifyClass(&NotifyWindow::Procedure);
  window_.reset(CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), this));
  // Without it no song would ever report its end.
  if (!window_) throw StartFailure("the media player's message window");
}

bool NotifyWindow::Post(std::uintptr_t value) const {
  return PostMessageW(window_.get(), kPostedMessage, value, 0) != FALSE;
}

LRESULT CALLBACK NotifyWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<NotifyWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message != kPostedMessage || self == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  // No exception may unwind through the system's dispatch code. The copy keeps the handler
  // alive should it destroy this window's owner.
  try {
    const auto handler = self->onPost_;
    if (handler) handler(wParam);
  } catch (...) {
  }
  return 0;
}

}  // namespace sonorix
