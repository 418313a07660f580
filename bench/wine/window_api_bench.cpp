// What the time limit on waits for the client costs: the same cheap message
// to the stand-in client, sent directly and through the bounded window API.
#include <chrono>

#include "aol/aol_client.h"
#include "aol/win32/bounded_window_api.h"
#include "aol/win32/user32_window_api.h"
#include "wine/aolsim_process.h"
#include "wine/bench_report.h"

namespace sonorix::bench {

namespace {

constexpr int kCalls = 5'000;

// Microseconds per TextLength of the room's transcript, the chat-scan's poll.
double MicrosecondsPerCall(WindowApi& windows) {
  AolClient aol(windows);
  const WindowRef transcript = aol.FindTranscript(aol.FindChatRoom());
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kCalls; ++i) windows.TextLength(transcript);
  const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / kCalls;
}

}  // namespace

void RunWindowApiBench() {
  testing::AolSimProcess client("--name Dorvin --room Lobby");
  User32WindowApi direct;
  BoundedWindowApi bounded;
  const double baseline = MicrosecondsPerCall(direct);
  const double limited = MicrosecondsPerCall(bounded);
  Report("transcript length, direct SendMessage (baseline)", baseline, "us a call");
  Report("transcript length, bounded window API", limited, "us a call");
  Report("bounded / direct", limited / baseline, "x");
}

}  // namespace sonorix::bench
