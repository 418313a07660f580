// Playback beside its floor: the program and the minimal decode-and-waveOut
// program, each as its own process, playing the same generated 192 kbps
// stereo file in the same run.
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "testutil.h"
#include "wine/aolsim_process.h"
#include "wine/bench_report.h"
#include "wine/program_folder.h"
#include "wine/program_process.h"
#include "wine/test_mp3.h"

namespace sonorix::bench {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kSettle = 2s;
constexpr auto kSpan = 20s;

// Percent of one core over the span.
double CpuShare(HANDLE process, std::chrono::seconds span) {
  const double before = CpuSeconds(process);
  const auto start = Clock::now();
  std::this_thread::sleep_for(span);
  const std::chrono::duration<double> spent = Clock::now() - start;
  return 100.0 * (CpuSeconds(process) - before) / spent.count();
}

}  // namespace

PlaybackFigures MeasureFloor() {
  const ProgramProcess floor("\"" + testing::TestProgramFolder() + "minimal_player.exe\" \"" +
                             testing::TestMp3("bench192.mp3") + "\"");
  std::this_thread::sleep_for(kSettle);
  PlaybackFigures figures;
  figures.playing = CpuShare(floor.Handle(), kSpan);
  figures.resident = ResidentMiB(floor.Handle());
  return figures;
}

PlaybackFigures MeasureProgram() {
  testing::AolSimProcess client("--name Dorvin --room Lobby");
  const testing::ProgramFolder folder(testing::MakeMusicFolder({{"bench192.mp3", "tune.mp3"}}));
  const ProgramProcess program("\"" + folder.InstallExe("Sonorix.exe") + "\"");
  testing::WaitUntil([&] { return client.SentLines().size() >= 2; }, 60s);
  PlaybackFigures figures;
  figures.idle = CpuShare(program.Handle(), kSpan);
  client.Command("type p tune");
  testing::WaitUntil([&] { return client.SentLines().size() >= 3; }, 60s);
  std::this_thread::sleep_for(kSettle);
  figures.playing = CpuShare(program.Handle(), kSpan);
  figures.resident = ResidentMiB(program.Handle());
  return figures;
}

void RunFloorBench() {
  const PlaybackFigures floor = MeasureFloor();
  const PlaybackFigures ours = MeasureProgram();
  Report("processor share idle in the room", ours.idle, "% of a core");
  Report("processor share playing 192 kbps stereo", ours.playing, "% of a core");
  Report("the same, minimal decode-and-waveOut program (floor)", floor.playing, "% of a core");
  Report("playing / floor", ours.playing / floor.playing, "x");
  Report("resident memory playing", ours.resident, "MiB");
  Report("resident memory, minimal program (floor)", floor.resident, "MiB");
}

}  // namespace sonorix::bench
