// Handling this thread's pending window messages inside a wait.
#pragma once

namespace sonorix {

// Dispatches every message already queued, without waiting for more. A quit
// request is left in the queue for the main loop, and the answer is false:
// the caller should stop waiting.
bool PumpPendingMessages();

}  // namespace sonorix
