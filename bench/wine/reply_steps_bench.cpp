// Where the time of a reply goes, and what one tick of polling costs: each
// step the program takes between a line entering the room and its reply,
// timed alone against the stand-in client with 30 other rooms open, and
// the processor share of a 50 ms timer doing each kind of probe.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <utility>

#include "aol/aol_client.h"
#include "aol/win32/bounded_window_api.h"
#include "aol/win32/user32_window_api.h"
#include "bot/chat_scan.h"
#include "core/win32/win32_clock.h"
#include "wine/aolsim_process.h"
#include "wine/bench_report.h"
#include "wine/program_process.h"

namespace sonorix::bench {

namespace {

using namespace std::chrono_literals;

constexpr int kTimes = 200;
constexpr UINT kTickMs = 50;
constexpr int kTicks = 400;

// Wall and processor milliseconds per run of the step.
void Time(const std::string& step, const std::function<void()>& run) {
  const double cpuBefore = CpuSeconds(GetCurrentProcess());
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kTimes; ++i) run();
  const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
  const double cpu = (CpuSeconds(GetCurrentProcess()) - cpuBefore) * 1000.0;
  Report(step + ", wall", spent.count() / kTimes, "ms");
  Report(step + ", processor", cpu / kTimes, "ms");
}

// Percent of a core for a timer of kTickMs that runs the probe on each
// tick, with every other message handled as the program's loop does.
double TickShare(const std::function<void()>& probe) {
  const double before = CpuSeconds(GetCurrentProcess());
  const auto start = std::chrono::steady_clock::now();
  const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, nullptr);
  MSG message;
  for (int ticks = 0; ticks < kTicks && GetMessageW(&message, nullptr, 0, 0) > 0;) {
    if (message.message != WM_TIMER) {
      DispatchMessageW(&message);
      continue;
    }
    if (probe) probe();
    ++ticks;
  }
  KillTimer(nullptr, timer);
  const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
  return 100.0 * (CpuSeconds(GetCurrentProcess()) - before) / spent.count();
}

std::string ClientArguments() {
  std::string arguments = "--name Dorvin";
  for (int i = 0; i < 30; ++i) arguments += " --room \"Room " + std::to_string(i) + "\"";
  return arguments + " --room Lobby";
}

}  // namespace

void RunReplyStepsBench() {
  testing::AolSimProcess client(ClientArguments());
  User32WindowApi direct;
  BoundedWindowApi bounded;
  AolClient aol(bounded);
  const WindowRef room = aol.FindChatRoom();
  const WindowRef transcript = aol.FindTranscript(room);
  Time("GetSibling (the z-order look)", [&] { bounded.GetSibling(room, Sibling::First); });
  Time("TextLength, direct SendMessage", [&] { direct.TextLength(transcript); });
  Time("TextLength, bounded", [&] { bounded.TextLength(transcript); });
  Time("length question, answered while waiting in GetMessage", [&] {
    bool answered = false;
    bounded.AskTextLength(transcript, [&](std::size_t) { answered = true; });
    MSG message;
    while (!answered && GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  });
  Time("Text of the transcript, bounded", [&] { bounded.Text(transcript); });
  Time("FindChatRoom (the room on top)", [&] { aol.FindChatRoom(); });
  Time("FindWelcome (a walk past 31 documents)", [&] { aol.FindWelcome(); });
  Time("GetUserSN (the welcome window kept)", [&] { aol.GetUserSN(); });
  Time("SendChat", [&] { aol.SendChat("x"); });

  const Win32Clock clock;
  ChatScan scan(aol, bounded, clock, [](const ChatLineEvent&) {});
  scan.Start();
  const double bare = TickShare(nullptr);
  Report("a 50 ms timer alone (floor)", bare, "% of a core");
  Report("  with TextLength, direct", TickShare([&] { direct.TextLength(transcript); }),
         "% of a core");
  Report("  with TextLength, bounded", TickShare([&] { bounded.TextLength(transcript); }),
         "% of a core");
  Report("  with a length question",
         TickShare([&] { bounded.AskTextLength(transcript, [](std::size_t) {}); }), "% of a core");
  Report("  with the chat-scan's poll, nothing new", TickShare([&] { scan.Poll(); }),
         "% of a core");
}

}  // namespace sonorix::bench
