// The whole program as a user runs it, beside a busy client: reply latency,
// processor share and memory.
#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <string>
#include <thread>

#include "aol/quenby_aol8.h"
#include "aol/win32/user32_window_api.h"
#include "core/win32/message_pump.h"
#include "app/win32/sonorix_app.h"
#include "testutil.h"
#include "wine/aolsim_process.h"
#include "wine/bench_report.h"
#include "wine/program_folder.h"

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

double CpuSeconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(process, &created, &exited, &kernel, &user);
  const auto ticks = [](FILETIME time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
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

class Room {
 public:
  Room() : transcript_(aol_.FindTranscript(aol_.FindChatRoom())) {}
  std::size_t Length() { return windows_.TextLength(transcript_); }

 private:
  User32WindowApi windows_;
  Aol8 aol_{windows_};
  WindowRef transcript_;
};

// From the command entering the transcript to the reply entering it.
std::vector<double> ReplyLatencies(testing::AolSimProcess& client, Room& room) {
  std::vector<double> latencies;
  for (int i = 0; i < kCommands; ++i) {
    client.Command("type date");
    const auto typed = Clock::now();
    const std::size_t length = room.Length();
    testing::WaitUntil([&] { return room.Length() > length; }, 10s);
    latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - typed).count());
  }
  return latencies;
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
  std::string commandLine = "\"" + folder.InstallExe("Sonorix.exe") + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                 &startup, &process);
  testing::WaitUntil([&] { return client.SentLines().size() >= 2; }, 120s);
  Room room;

  const auto latencies = ReplyLatencies(client, room);
  Report("reply latency, median (30 rooms open, 10,000 songs)", Percentile(latencies, 0.5), "ms");
  Report("reply latency, 99th percentile", Percentile(latencies, 0.99), "ms");
  PROCESS_MEMORY_COUNTERS memory{};
  GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
  Report("resident memory with 10,000 songs", memory.WorkingSetSize / 1048576.0, "MiB");

  TerminateProcess(process.hProcess, 0);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace sonorix::bench
