#include "player/win32/mp3_media_player.h"

#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "player/mp3_scanner.h"
#include "player/win32/wave_output.h"
#include "testutil.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using Steady = std::chrono::steady_clock;

// The UTF-8 spelling of "Björk 中.mp3".
constexpr char kNonWindows1252Name[] = "Bj\xC3\xB6rk \xE4\xB8\xAD.mp3";

std::string TestMp3(const std::string& name) {
  std::string folder = SONORIX_TEST_MP3_DIR;
  for (char& c : folder) {
    if (c == '/') c = '\\';
  }
  return "Z:" + folder + "\\" + name;
}

Mp3Info Scan(const std::string& name) {
  std::ifstream in(TestMp3(name), std::ios::binary);
  const std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(in),
                                       std::istreambuf_iterator<char>()};
  const auto info = ScanMp3(data);
  EXPECT_TRUE(info) << name;
  return info.value_or(Mp3Info{});
}

// The end-of-stream notice comes through the message queue.
void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool WaitFor(const std::function<bool()>& predicate, std::chrono::milliseconds timeout) {
  return testing::WaitUntil(predicate, timeout, PumpMessages);
}

double Seconds(Steady::duration elapsed) { return std::chrono::duration<double>(elapsed).count(); }

const char* OutputName(AudioOutput output) {
  return output == AudioOutput::kDevice ? "Device" : "SilentClock";
}

class MediaPlayerTest : public ::testing::TestWithParam<AudioOutput> {
 protected:
  void OpenPlaying(const std::string& name) {
    ASSERT_TRUE(player_.Open(TestMp3(name))) << name;
    ASSERT_EQ(player_.State(), PlayState::Playing);
  }
  bool ReachesPosition(double seconds, std::chrono::milliseconds timeout = 5s) {
    return WaitFor([&] { return player_.CurrentPosition() >= seconds; }, timeout);
  }
  bool Ends(std::chrono::milliseconds timeout = 10s) {
    return WaitFor([&] { return ends_ > 0; }, timeout);
  }
  // Whether the position moves within the time: it must not while paused.
  bool PositionMovesWithin(std::chrono::milliseconds timeout) {
    const double held = player_.CurrentPosition();
    return WaitFor([&] { return player_.CurrentPosition() != held; }, timeout);
  }

  int ends_ = 0;
  Mp3MediaPlayer player_{[this] { ++ends_; }, GetParam()};
};

TEST(MediaPlayerRig, HasAnAudioDevice) {
  // Without one every device test would quietly run on the silent clock instead.
  EXPECT_GT(waveOutGetNumDevs(), 0u);
}

TEST_P(MediaPlayerTest, PlaysASongToItsEndInRealTimeAndReportsItOnce) {
  const Mp3Info info = Scan("cbr128.mp3");
  const auto started = Steady::now();
  OpenPlaying("cbr128.mp3");
  EXPECT_NEAR(player_.Duration(), info.DurationSeconds(), 1152.0 / 44100);
  EXPECT_NEAR(player_.Duration(), 3.0, 0.1);

  double last = 0;
  bool monotonic = true;
  bool grew = false;
  ASSERT_TRUE(WaitFor(
      [&] {
        if (ends_ > 0) return true;  // a song that ended rests at the start again
        const double now = player_.CurrentPosition();
        monotonic = monotonic && now >= last;
        grew = grew || now > 0.5;
        last = now;
        return false;
      },
      15s));
  const double took = Seconds(Steady::now() - started);
  std::printf("[ %s ] a %.3f s song ended after %.3f s, last seen at %.3f s\n",
              OutputName(GetParam()), player_.Duration(), took, last);
  EXPECT_TRUE(monotonic);
  EXPECT_TRUE(grew);
  // Ending when decoding ran out, with the last buffers still queued, would stop short.
  EXPECT_GE(last, player_.Duration() - 0.15);
  EXPECT_GE(took, 2.0) << "faster than real time";
  EXPECT_EQ(player_.State(), PlayState::Stopped);
  EXPECT_FALSE(WaitFor([&] { return ends_ > 1; }, 300ms)) << "end of stream raised twice";
}

TEST_P(MediaPlayerTest, PauseHoldsThePositionAndPlayResumesFromIt) {
  OpenPlaying("cbr128.mp3");
  ASSERT_TRUE(ReachesPosition(0.5));
  player_.Pause();
  EXPECT_EQ(player_.State(), PlayState::Paused);
  const double paused = player_.CurrentPosition();
  EXPECT_FALSE(PositionMovesWithin(500ms));
  EXPECT_DOUBLE_EQ(player_.CurrentPosition(), paused);

  player_.Play();
  EXPECT_EQ(player_.State(), PlayState::Playing);
  EXPECT_GE(player_.CurrentPosition(), paused);
  EXPECT_LT(player_.CurrentPosition(), paused + 0.3);
  EXPECT_TRUE(ReachesPosition(paused + 0.3));
  player_.Play();  // already playing: nothing happens
  EXPECT_GE(player_.CurrentPosition(), paused + 0.3);
}

// The shown position holds still while paused whatever the device does; the time the rest of
// the song takes shows that the sound held still too.
TEST_P(MediaPlayerTest, PauseStraightAfterOpenHoldsTheSoundAtTheStart) {
  OpenPlaying("cbr128.mp3");
  player_.Pause();
  EXPECT_FALSE(PositionMovesWithin(1s));
  EXPECT_LT(player_.CurrentPosition(), 0.1);
  const auto resumed = Steady::now();
  player_.Play();
  ASSERT_TRUE(Ends());
  EXPECT_GE(Seconds(Steady::now() - resumed), 2.0);
}

TEST_P(MediaPlayerTest, StopRaisesNoEndOfStreamAndPlayStartsOver) {
  OpenPlaying("cbr128.mp3");
  ASSERT_TRUE(ReachesPosition(0.5));
  player_.Stop();
  EXPECT_EQ(player_.State(), PlayState::Stopped);
  EXPECT_EQ(player_.CurrentPosition(), 0);
  EXPECT_GT(player_.Duration(), 0);
  // Longer than the rest of the song would have taken.
  EXPECT_FALSE(Ends(3s));

  player_.Play();
  EXPECT_EQ(player_.State(), PlayState::Playing);
  EXPECT_LT(player_.CurrentPosition(), 0.3);
  EXPECT_TRUE(ReachesPosition(0.2));
}

TEST_P(MediaPlayerTest, SeekWhilePlayingMovesToTheFrameAndPlaysOnFromThere) {
  OpenPlaying("cbr128.mp3");
  ASSERT_TRUE(ReachesPosition(0.2));
  const auto sought = Steady::now();
  player_.SetCurrentPosition(2.0);
  EXPECT_EQ(player_.State(), PlayState::Playing);
  EXPECT_NEAR(player_.CurrentPosition(), 2.0, 0.1);
  ASSERT_TRUE(Ends());
  // About one second was left; from the start it would have been three.
  EXPECT_LT(Seconds(Steady::now() - sought), 2.5);
  EXPECT_GE(Seconds(Steady::now() - sought), 0.5);
}

TEST_P(MediaPlayerTest, SeekWhilePausedStaysPausedAtTheNewPosition) {
  OpenPlaying("cbr128.mp3");
  ASSERT_TRUE(ReachesPosition(0.2));
  player_.Pause();
  player_.SetCurrentPosition(1.5);
  EXPECT_EQ(player_.State(), PlayState::Paused);
  EXPECT_NEAR(player_.CurrentPosition(), 1.5, 1152.0 / 44100);
  EXPECT_FALSE(PositionMovesWithin(300ms));
  player_.SetCurrentPosition(0.5);  // backwards too
  EXPECT_NEAR(player_.CurrentPosition(), 0.5, 1152.0 / 44100);

  player_.Play();
  EXPECT_TRUE(ReachesPosition(0.7));
  EXPECT_LT(player_.CurrentPosition(), 1.5);
}

TEST_P(MediaPlayerTest, SeekWhileStoppedIsWherePlayStarts) {
  OpenPlaying("cbr128.mp3");
  player_.Stop();
  player_.SetCurrentPosition(2.5);
  EXPECT_EQ(player_.State(), PlayState::Stopped);
  EXPECT_NEAR(player_.CurrentPosition(), 2.5, 1152.0 / 44100);
  player_.Play();
  EXPECT_GE(player_.CurrentPosition(), 2.4);
  EXPECT_TRUE(Ends(5s));
}

TEST_P(MediaPlayerTest, SeekPastTheEndEndsTheSongOnce) {
  OpenPlaying("cbr128.mp3");
  player_.SetCurrentPosition(player_.Duration() + 1);
  ASSERT_TRUE(Ends(2s));
  EXPECT_EQ(player_.State(), PlayState::Stopped);

  OpenPlaying("cbr128.mp3");
  player_.Pause();
  player_.SetCurrentPosition(player_.Duration());
  ASSERT_TRUE(WaitFor([&] { return ends_ == 2; }, 2s));
  EXPECT_EQ(player_.State(), PlayState::Stopped);

  // Opened again before the notice arrives: the new song must not take the old one's end.
  OpenPlaying("cbr128.mp3");
  player_.SetCurrentPosition(100);
  OpenPlaying("cbr128.mp3");
  EXPECT_FALSE(WaitFor([&] { return ends_ > 2; }, 500ms));
  EXPECT_EQ(player_.State(), PlayState::Playing);
}

TEST_P(MediaPlayerTest, RefusesFilesWithoutAudioAndStopsWhatPlayed) {
  for (const char* name : {"missing.mp3", "empty.mp3", "text.mp3"}) {
    OpenPlaying("cbr128.mp3");
    EXPECT_FALSE(player_.Open(TestMp3(name))) << name;
    EXPECT_EQ(player_.State(), PlayState::Stopped) << name;
    EXPECT_EQ(player_.Duration(), 0) << name;
    EXPECT_EQ(player_.CurrentPosition(), 0) << name;
    player_.Play();  // nothing loaded: nothing to play
    EXPECT_EQ(player_.State(), PlayState::Stopped) << name;
  }
  // The song each refused Open replaced must not report an end of its own.
  EXPECT_FALSE(Ends(3500ms));
}

TEST_P(MediaPlayerTest, TruncatedFilePlaysWhatItHasAndEnds) {
  const auto started = Steady::now();
  OpenPlaying("truncated.mp3");
  EXPECT_NEAR(player_.Duration(), 1.5, 0.1);
  ASSERT_TRUE(Ends());
  EXPECT_GE(Seconds(Steady::now() - started), 1.0);
  EXPECT_EQ(player_.State(), PlayState::Stopped);
  EXPECT_FALSE(WaitFor([&] { return ends_ > 1; }, 300ms));
}

TEST_P(MediaPlayerTest, PlaysAFileNamedOutsideWindows1252) {
  OpenPlaying(kNonWindows1252Name);
  EXPECT_NEAR(player_.Duration(), 3.0, 0.1);
  EXPECT_TRUE(ReachesPosition(0.3));
}

TEST_P(MediaPlayerTest, PlaysVbrAndMonoLowRateFilesToTheirEnds) {
  for (const char* name : {"vbr.mp3", "mono.mp3"}) {
    const Mp3Info info = Scan(name);
    const int before = ends_;
    OpenPlaying(name);
    EXPECT_DOUBLE_EQ(player_.Duration(), info.DurationSeconds()) << name;
    ASSERT_TRUE(ReachesPosition(0.2)) << name;
    player_.SetCurrentPosition(info.DurationSeconds() - 0.5);
    EXPECT_NEAR(player_.CurrentPosition(), info.DurationSeconds() - 0.5, 0.1) << name;
    ASSERT_TRUE(WaitFor([&] { return ends_ == before + 1; }, 5s)) << name;
  }
}

TEST_P(MediaPlayerTest, DestroyingWhilePlayingIsPrompt) {
  auto player = std::make_unique<Mp3MediaPlayer>([this] { ++ends_; }, GetParam());
  ASSERT_TRUE(player->Open(TestMp3("cbr128.mp3")));
  ASSERT_TRUE(WaitFor([&] { return player->CurrentPosition() > 0.3; }, 5s));
  const auto destroying = Steady::now();
  player.reset();
  EXPECT_LT(Seconds(Steady::now() - destroying), 2.0);

  // Gone with its end-of-stream notice still queued: the notice must go nowhere.
  player = std::make_unique<Mp3MediaPlayer>([this] { ++ends_; }, GetParam());
  ASSERT_TRUE(player->Open(TestMp3("cbr128.mp3")));
  player->SetCurrentPosition(100);
  player.reset();
  EXPECT_FALSE(Ends(300ms));
}

INSTANTIATE_TEST_SUITE_P(Outputs, MediaPlayerTest,
                         ::testing::Values(AudioOutput::kDevice, AudioOutput::kSilentClock),
                         [](const auto& info) { return std::string(OutputName(info.param)); });

// The program opens the next song from inside the end-of-stream handler.
TEST(MediaPlayerChain, EndOfStreamHandlerCanOpenTheNextSong) {
  int ends = 0;
  std::unique_ptr<Mp3MediaPlayer> player;
  player = std::make_unique<Mp3MediaPlayer>([&] {
    if (++ends == 1) player->Open(TestMp3("mono.mp3"));
  });
  ASSERT_TRUE(player->Open(TestMp3("cbr128.mp3")));
  player->SetCurrentPosition(2.7);
  ASSERT_TRUE(WaitFor([&] { return ends == 1; }, 5s));
  EXPECT_EQ(player->State(), PlayState::Playing);
  EXPECT_NEAR(player->Duration(), 2.0, 0.1);
  player->SetCurrentPosition(1.7);
  EXPECT_TRUE(WaitFor([&] { return ends == 2; }, 5s));
  EXPECT_EQ(player->State(), PlayState::Stopped);
}

TEST(WaveOutVolume, SpansTheFullRangeOnBothChannelsAndClamps) {
  EXPECT_EQ(WaveOutVolume(0), 0u);
  EXPECT_EQ(WaveOutVolume(100), 0xFFFFFFFFu);
  EXPECT_EQ(WaveOutVolume(50) & 0xFFFF, WaveOutVolume(50) >> 16);
  EXPECT_NEAR(static_cast<double>(WaveOutVolume(50) & 0xFFFF), 0x7FFF, 1);
  EXPECT_EQ(WaveOutVolume(-20), 0u);
  EXPECT_EQ(WaveOutVolume(250), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace sonorix
