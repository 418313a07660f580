#include "core/win32/message_pump.h"

#include <windows.h>

namespace sonorix {

bool PumpPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
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
