#include "app/win32/session_copy.h"

#include <windows.h>

#include <chrono>

#include "player/win32/player_window.h"

namespace sonorix {

namespace {

using namespace std::chrono_literals;

// In the session's own namespace: another user's copy on the same machine
// plays into that user's client.
constexpr const wchar_t* kMutexName = L"Local\\Sonorix Player";
// Past the running copy's five-second splash, before its player is made.
constexpr auto kPlayerWait = 15s;
constexpr UINT kAnswerMs = 5000;

HWND WaitForPlayer() {
  const auto deadline = std::chrono::steady_clock::now() + kPlayerWait;
  for (;;) {
    if (HWND player = FindWindowW(PlayerWindow::kClassName, nullptr)) return player;
    if (std::chrono::steady_clock::now() >= deadline) return nullptr;
    Sleep(100);
  }
}

}  // namespace

// A name that exists but may not be opened (a copy started with other
// rights holds it) is another copy too. Any other failure lets the program
// run: better two players than none.
SessionCopy::SessionCopy() : mutex_(CreateMutexW(nullptr, FALSE, kMutexName)) {
  const DWORD error = GetLastError();
  first_ = mutex_ ? error != ERROR_ALREADY_EXISTS : error != ERROR_ACCESS_DENIED;
}

// Windows lets only the program the user works with now put a window in
// front; a program the user just started is that one, so it hands the
// right on to the running copy, which then brings itself forward.
bool BringFirstCopyForward() {
  const HWND player = WaitForPlayer();
  if (player == nullptr) return false;
  DWORD process = 0;
  GetWindowThreadProcessId(player, &process);
  AllowSetForegroundWindow(process);
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(player, PlayerWindow::BringForwardMessage(), 0, 0, SMTO_ABORTIFHUNG,
                             kAnswerMs, &answer) != 0;
}

}  // namespace sonorix
