// Playback beside its floor: the program and the minimal decode-and-waveOut
// program playing the same generated 192 kbps stereo file in the same run.
// Wine reports processor time only to the process itself, so the program
// runs in this process and the minimal one reports its own share.
#include <windows.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "app/win32/sonorix_app.h"
#include "core/win32/message_pump.h"
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
constexpr auto kSpan = 30s;
constexpr auto kQuietAgain = 6s;

}  // namespace

PlaybackFigures MeasureFloor() {
  const std::string report = testing::MakeTempFolder("floor-") + "\\share.txt";
  const std::string seconds = std::to_string(kSpan.count());
  PlaybackFigures figures;
  {
    const ProgramProcess floor(testing::Quoted(testing::TestProgramFolder() + "minimal_player.exe")
                                   .append(1, ' ')
                                   .append(testing::Quoted(testing::TestMp3("bench192.mp3")))
                                   .append(1, ' ')
                                   .append(seconds)
                                   .append(1, ' ')
                                   .append(testing::Quoted(report)));
    std::this_thread::sleep_for(kSettle);
    figures.resident = ResidentMiB(floor.Handle());
    WaitForSingleObject(floor.Handle(), INFINITE);
  }
  std::ifstream(report) >> figures.playing;
  return figures;
}

PlaybackFigures MeasureProgram() {
  testing::AolSimProcess client("--name Dorvin --room Lobby");
  const testing::ProgramFolder folder(testing::MakeMusicFolder({{"bench192.mp3", "tune.mp3"}}));
  SonorixApp app(folder.Path());
  app.Start(SonorixApp::Splash::Skip);
  PlaybackFigures figures;
  figures.idle = PumpedCpuShare(kSpan);
  client.Command("type p tune");
  testing::WaitUntil([&] { return client.SentLines().size() >= 3; }, 60s,
                     [] { PumpPendingMessages(); });
  // The command quickens the chat-scan for five seconds; what is measured
  // is the playing, beside a quiet room.
  PumpedCpuShare(kQuietAgain);
  figures.playing = PumpedCpuShare(kSpan);
  return figures;
}

void RunFloorBench() {
  const PlaybackFigures floor = MeasureFloor();
  const PlaybackFigures ours = MeasureProgram();
  Report("processor share idle in the room", ours.idle, "% of a core");
  Report("processor share playing 192 kbps stereo", ours.playing, "% of a core");
  Report("the same, minimal decode-and-waveOut program (floor)", floor.playing, "% of a core");
  Report("playing / floor", ours.playing / floor.playing, "x");
}

}  // namespace sonorix::bench
