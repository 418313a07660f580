// Handling this thread's pending window messages inside a wait.
#pragma once

#include <windows.h>

#include <chrono>

namespace sonorix {

// Tab, the arrows, Enter, Esc and the & mnemonics of the program's own
// windows (their classes are named "Sonorix ..."), handled by the dialog
// manager as in a dialog box: true when the key was taken so. Enter and Esc
// reach the window as the commands IDOK and IDCANCEL.
bool HandledAsDialogKey(MSG& message);

// Dispatches every message already queued, without waiting for more. A quit
// request is left in the queue for the main loop, and the answer is false:
// the caller should stop waiting.
bool PumpPendingMessages();

// Waits until the handle is signalled or the limit passed; true if it was
// signalled. Messages other threads send to this thread's windows are
// handled meanwhile, so a thread that sends to one of them while this one
// waits for it is not deadlocked; posted messages (input, timers) stay
// queued, so no handler of this thread starts inside another.
bool WaitHandlingSentMessages(HANDLE handle, std::chrono::milliseconds limit);

}  // namespace sonorix
