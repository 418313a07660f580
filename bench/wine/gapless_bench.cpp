// Songs back to back: the silence the output plays between them, the media
// player's beside the minimal decode-and-waveOut program's, in the same run.
// Each side measures on its own output: the player from the moment its
// device was seen to run dry to the next write, the minimal program from
// the audio it wrote against the time that passed.
#include <windows.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "core/win32/message_pump.h"
#include "player/win32/mp3_media_player.h"
#include "testutil.h"
#include "wine/aolsim_process.h"
#include "wine/bench_report.h"
#include "wine/program_process.h"
#include "wine/test_mp3.h"

namespace sonorix::bench {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// As the runs outside saw: short real songs, each opened as the last ends.
constexpr int kSongs = 12;
constexpr char kSong[] = "short.mp3";

struct Silence {
  double count = 0;
  double seconds = 0;
  double perChange() const { return 1000 * seconds / (kSongs - 1); }
};

Silence MeasurePlayer(double& wallPerChange) {
  const std::string song = testing::TestMp3(kSong);
  int ends = 0;
  std::unique_ptr<Mp3MediaPlayer> player;
  player = std::make_unique<Mp3MediaPlayer>([&] {
    if (++ends < kSongs) player->Open(song);
  });
  player->AskNextSongWith([&] { return ends + 1 < kSongs ? song : std::string(); });
  const auto start = Clock::now();
  if (!player->Open(song)) return {};
  const double duration = player->Duration();
  testing::WaitUntil([&] { return ends >= kSongs; }, 60s, [] { PumpPendingMessages(); });
  const std::chrono::duration<double> wall = Clock::now() - start;
  wallPerChange = 1000 * (wall.count() - kSongs * duration) / (kSongs - 1);
  const auto gaps = player->Gaps();
  return {static_cast<double>(gaps.count), gaps.seconds};
}

Silence MeasureMinimal() {
  const std::string report = testing::MakeTempFolder("gapless-") + "\\silence.txt";
  // Appended piece by piece: GCC 12 warns falsely on a chain of + here.
  std::string command = testing::Quoted(testing::TestProgramFolder() + "minimal_player.exe");
  command.append(" --gaps ").append(testing::Quoted(report));
  for (int i = 0; i < kSongs; ++i)
    command.append(1, ' ').append(testing::Quoted(testing::TestMp3(kSong)));
  {
    const ProgramProcess minimal(command);
    WaitForSingleObject(minimal.Handle(), INFINITE);
  }
  Silence silence;
  std::ifstream(report) >> silence.count >> silence.seconds;
  return silence;
}

}  // namespace

void RunGaplessBench() {
  double wallPerChange = 0;
  const Silence player = MeasurePlayer(wallPerChange);
  const Silence minimal = MeasureMinimal();
  Report("dry spells of the output, media player, 12 songs of 0.46 s", player.count, "");
  Report("silence per song change, media player", player.perChange(), "ms");
  Report("time past the songs' length per change, media player", wallPerChange, "ms");
  Report("dry spells of the output, minimal program, 12 songs", minimal.count, "");
  Report("silence per song change, minimal program (floor)", minimal.perChange(), "ms");
  if (minimal.seconds > 0) {
    Report("media player / minimal program", player.seconds / minimal.seconds, "x");
  }
}

}  // namespace sonorix::bench
