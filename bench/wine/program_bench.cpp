// The whole program as a user runs it, beside a busy client: reply latency,
// processor share and memory.
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

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

constexpr int kSongs = 10'000;
constexpr int kOtherRooms = 30;
constexpr int kCommands = 200;

std::string ClientArguments() {
  std::string arguments = "--name Dorvin";
  for (int i = 0; i < kOtherRooms; ++i) arguments += " --room \"Room " + std::to_string(i) + "\"";
  return arguments + " --room Lobby";
}

std::string MusicFolder() {
  const std::string folder = testing::MakeTempFolder("bench-music-");
  for (int i = 0; i < kSongs; ++i) {
    const std::string path = folder + "\\Song " + std::to_string(i) + ".mp3";
    CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
  }
  CopyFileA(testing::TestMp3("long.mp3").c_str(), (folder + "\\zz real tune.mp3").c_str(), FALSE);
  return folder;
}

// The program runs in this process here, so the wait must keep its
// messages flowing, as its own loop would.
double CpuShare(std::chrono::seconds span) {
  const double before = CpuSeconds(GetCurrentProcess());
  const auto end = Clock::now() + span;
  while (Clock::now() < end) {
    PumpPendingMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  return 100.0 * (CpuSeconds(GetCurrentProcess()) - before) / static_cast<double>(span.count());
}

}  // namespace

void RunProcessorBench() {
  testing::AolSimProcess client(ClientArguments());
  const testing::ProgramFolder folder(MusicFolder());
  SonorixApp app(folder.Path());
  app.Start();
  Report("processor share while idle in the room", CpuShare(10s), "% of a core");
  client.Command("type p zz real tune");
  Report("processor share while a song plays", CpuShare(10s), "% of a core");
}

void RunProgramBench() {
  testing::AolSimProcess client(ClientArguments());
  const testing::ProgramFolder folder(MusicFolder());
  const ProgramProcess program(testing::Quoted(folder.InstallExe("Sonorix.exe")));
  testing::WaitUntil([&] { return client.SentLines().size() >= 2; }, 120s);
  Room room;

  const auto latencies = ReplyLatencies(client, room, "date", kCommands);
  Report("reply latency, median (30 rooms open, 10,000 songs)", Percentile(latencies, 0.5), "ms");
  Report("reply latency, 99th percentile", Percentile(latencies, 0.99), "ms");
  Report("resident memory with 10,000 songs", ResidentMiB(program.Handle()), "MiB");
}

}  // namespace sonorix::bench
