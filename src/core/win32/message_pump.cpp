#include "core/win32/message_pump.h"

#include <windows.h>

#include <string_view>

namespace sonorix {

namespace {

bool IsOwnTopLevel(HWND window) {
  wchar_t name[9] = {};
  GetClassNameW(window, name, 9);
  return std::wstring_view(name) == L"Sonorix " &&
         GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

}  // namespace

bool HandledAsDialogKey(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  const HWND root = GetAncestor(message.hwnd, GA_ROOT);
  return root != nullptr && IsOwnTopLevel(root) && IsDialogMessageW(root, &message) != FALSE;
}

bool PumpPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    if (HandledAsDialogKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

bool WaitHandlingSentMessages(HANDLE handle, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    const DWORD wait = left.count() > 0 ? static_cast<DWORD>(left.count()) : 0;
    // "Input available": a sent message already pending also ends the wait.
    switch (MsgWaitForMultipleObjectsEx(1, &handle, wait, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE)) {
      case WAIT_OBJECT_0:
        return true;
      case WAIT_OBJECT_0 + 1: {
        // Peeking delivers the sent messages; the filter takes nothing posted.
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        if (wait == 0) return false;
        break;
      }
      default:
        return false;
    }
  }
}

}  // namespace sonorix
