// How closely playback keeps time on each output, and how long dropping a
// playing player takes: timings the media player's tests leave to here.
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "core/win32/message_pump.h"
#include "player/win32/mp3_media_player.h"
#include "testutil.h"
#include "wine/bench_report.h"
#include "wine/test_mp3.h"

namespace sonorix::bench {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool Pump(const std::function<bool()>& done) {
  return testing::WaitUntil(done, 60s, [] { PumpPendingMessages(); });
}

void MeasureOutput(AudioOutput output, const std::string& name) {
  bool ended = false;
  Mp3MediaPlayer player([&] { ended = true; }, output);
  const auto start = Clock::now();
  if (!player.Open(testing::TestMp3("cbr128.mp3")) || !Pump([&] { return ended; })) return;
  Report("a 3 s song played to its end, " + name, MillisecondsSince(start) / 1000, "s");

  auto playing = std::make_unique<Mp3MediaPlayer>(nullptr, output);
  if (!playing->Open(testing::TestMp3("long.mp3")) ||
      !Pump([&] { return playing->CurrentPosition() > 0.5; })) {
    return;
  }
  const auto dropping = Clock::now();
  playing.reset();
  Report("dropping a playing player, " + name, MillisecondsSince(dropping), "ms");
}

}  // namespace

void RunPlaybackBench() {
  MeasureOutput(AudioOutput::kDevice, "waveOut device");
  MeasureOutput(AudioOutput::kSilentClock, "silent clock");
}

}  // namespace sonorix::bench
