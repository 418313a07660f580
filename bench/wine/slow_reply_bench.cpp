// Where a rare slow reply comes from: the program runs in this process, its
// messages dispatched here one at a time and timed, while another thread
// types commands into a busy client and times the replies. For each slow
// reply it prints what the program handled between the command and the
// reply: which timer ticked, how long each took, and how late the first
// chat-scan tick came.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/win32/sonorix_app.h"
#include "core/win32/message_pump.h"
#include "testutil.h"
#include "wine/aolsim_process.h"
#include "wine/bench_report.h"
#include "wine/program_folder.h"
#include "wine/program_process.h"

namespace sonorix::bench {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kCommands = 400;
constexpr double kSlowMs = 15;

struct Handled {
  Clock::time_point start;
  double ms = 0;
  std::wstring windowClass;
  UINT message = 0;
  WPARAM wParam = 0;
};

struct Reply {
  Clock::time_point typed;
  double ms = 0;
};

std::string ClientArguments() {
  std::string arguments = "--name Dorvin";
  for (int i = 0; i < 30; ++i) arguments += " --room \"Room " + std::to_string(i) + "\"";
  return arguments + " --room Lobby";
}

std::string Describe(const Handled& handled) {
  std::string name(handled.windowClass.begin(), handled.windowClass.end());
  if (name.empty()) name = "(thread)";
  if (handled.message == WM_TIMER) return name + " timer " + std::to_string(handled.wParam);
  return name + " message " + std::to_string(handled.message);
}

double Ms(Clock::duration span) { return std::chrono::duration<double, std::milli>(span).count(); }

void ReportSlow(const Reply& reply, const std::vector<Handled>& log) {
  const auto end = reply.typed + std::chrono::duration_cast<Clock::duration>(
                                     std::chrono::duration<double, std::milli>(reply.ms));
  std::printf("slow reply %.1f ms:\n", reply.ms);
  for (const Handled& handled : log) {
    if (handled.start + std::chrono::duration_cast<Clock::duration>(
                            std::chrono::duration<double, std::milli>(handled.ms)) <
            reply.typed - 20ms ||
        handled.start > end) {
      continue;
    }
    std::printf("  at %+7.1f ms for %6.2f ms  %s\n", Ms(handled.start - reply.typed), handled.ms,
                Describe(handled).c_str());
  }
}

}  // namespace

void RunSlowReplyBench() {
  testing::AolSimProcess client(ClientArguments());
  const testing::ProgramFolder folder(SmallMusicFolder());
  SonorixApp app(folder.Path());
  app.Start(SonorixApp::Splash::Skip);
  PumpedCpuShare(2s);
  std::vector<Reply> replies;
  std::atomic<bool> done = false;
  std::thread typist([&] {
    Room room;
    client.Command("type p zz real tune");
    std::this_thread::sleep_for(1s);
    for (int i = 0; i < kCommands; ++i) {
      const auto typed = Clock::now();
      const double ms = ReplyLatencies(client, room, "date", 1).front();
      replies.push_back({typed, ms});
    }
    done = true;
  });
  std::vector<Handled> log;
  log.reserve(200'000);
  while (!done) {
    MsgWaitForMultipleObjectsEx(0, nullptr, 50, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      Handled handled{Clock::now(), 0, L"", message.message, message.wParam};
      wchar_t name[64] = L"";
      if (message.hwnd != nullptr) GetClassNameW(message.hwnd, name, 64);
      handled.windowClass = name;
      TranslateMessage(&message);
      DispatchMessageW(&message);
      handled.ms = Ms(Clock::now() - handled.start);
      log.push_back(std::move(handled));
    }
  }
  typist.join();
  std::vector<double> ms;
  for (const Reply& reply : replies) ms.push_back(reply.ms);
  Report("in-process replies, median", Percentile(ms, 0.5), "ms");
  Report("in-process replies, 99th percentile", Percentile(ms, 0.99), "ms");
  Report("in-process replies, slowest", Percentile(ms, 1), "ms");
  // The chat-scan ticks' own times: a walk tick beside a length question.
  std::vector<double> ticks;
  for (const Handled& handled : log) {
    if (handled.windowClass == L"Sonorix Chat Timer" && handled.message == WM_TIMER) {
      ticks.push_back(handled.ms);
    }
  }
  Report("chat-scan ticks handled", static_cast<double>(ticks.size()), "ticks");
  Report("chat-scan tick, median", Percentile(ticks, 0.5), "ms");
  Report("chat-scan tick, 99th percentile", Percentile(ticks, 0.99), "ms");
  Report("chat-scan tick, slowest", Percentile(ticks, 1), "ms");
  for (const Reply& reply : replies) {
    if (reply.ms > kSlowMs) ReportSlow(reply, log);
  }
}

}  // namespace sonorix::bench
