// One line for a debug viewer at each place where the program gives
// something up on purpose and says nothing to the user: a call to the client
// given up, a wait that passed its bound, a chat line dropped, a window or
// timer the system would not make, a settings write that failed.
#pragma once

#include <functional>
#include <string_view>

namespace sonorix {

// Writes the line to the platform's debug output (on Windows, what a debug
// viewer shows; natively nowhere), or to the sink if one is set. Any thread.
void Trace(std::string_view line);

using TraceSink = std::function<void(std::string_view line)>;
// Sends every later line to `sink` instead (an empty one restores the debug
// output); returns the sink it replaced. For tests that check a trace.
TraceSink SetTraceSink(TraceSink sink);

}  // namespace sonorix
