#include "player/win32/mp3_media_player.h"

#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/win32/code_page.h"
#include "core/win32/long_path.h"
#include "core/win32/message_pump.h"
#include "player/mp3_scanner.h"
#include "player/win32/sound_system.h"
#include "player/win32/wave_output.h"
#include "testutil.h"
#include "wine/test_mp3.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using testing::TestMp3;

// "Björk 中.mp3", in UTF-8.
constexpr char kNonWindows1252Name[] = "Bj\xC3\xB6rk \xE4\xB8\xAD.mp3";

Mp3Info Scan(const std::string& name) {
  std::ifstream in(std::filesystem::path(Utf8ToWide(TestMp3(name))), std::ios::binary);
  const std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(in),
                                       std::istreambuf_iterator<char>()};
  const auto info = ScanMp3(data);
  EXPECT_TRUE(info) << name;
  return info.value_or(Mp3Info{});
}

// The end-of-stream notice comes through the message queue.
bool WaitFor(const std::function<bool()>& predicate, std::chrono::milliseconds timeout = 10s) {
  return testing::WaitUntil(predicate, timeout, [] { PumpPendingMessages(); });
}

// Handles every notice a player's threads posted before the call. Posted
// messages arrive in order, and a player joins a run's thread whenever it
// drops the run (stop, open, end, its own end): once the marker posted here
// arrives, nothing of a dropped run can still come.
void Settle() {
  constexpr UINT kMarker = WM_APP + 0x51;
  PostThreadMessageW(GetCurrentThreadId(), kMarker, 0, 0);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.hwnd == nullptr && message.message == kMarker) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The tests' measure of "a while" without a wall clock: a second player on
// the silent clock, whose song plays on while the one under test holds still.
class Yardstick {
 public:
  Yardstick() { EXPECT_TRUE(player_.Open(TestMp3("long.mp3"))); }
  double Seconds() const { return player_.CurrentPosition(); }
  bool Passes(double seconds) {
    const double from = Seconds();
    return WaitFor([&] { return Seconds() >= from + seconds; });
  }

 private:
  Mp3MediaPlayer player_{{}, AudioOutput::kSilentClock};
};

const char* OutputName(AudioOutput output) {
  return output == AudioOutput::kDevice ? "Device" : "SilentClock";
}

// The longest frame of the test files (1152 samples at 44.1 kHz, 576 at
// 22.05 kHz): a seek lands on the start of the frame holding its time.
constexpr double kFrame = 1152.0 / 44100;
// How far the device's count of played samples and the yardstick's clock
// may disagree over a run: their granularity, not the test's pace.
constexpr double kClockSlack = 0.1;

class MediaPlayerTest : public ::testing::TestWithParam<AudioOutput> {
 protected:
  void OpenPlaying(const std::string& name) {
    ASSERT_TRUE(player_.Open(TestMp3(name))) << name;
    ASSERT_EQ(player_.State(), PlayState::Playing);
  }
  bool ReachesPosition(double seconds) {
    return WaitFor([&] { return player_.CurrentPosition() >= seconds; });
  }
  bool Ends(int count = 1) {
    return WaitFor([&] { return ends_ >= count; });
  }
  // The yardstick's reading before an action, for PlaysOnFrom.
  double Mark() const { return yardstick_.Seconds(); }
  // Whether the player, read now, plays on from `from`: no earlier than the
  // frame holding it, and no further on than the yardstick went since
  // `mark`. A pause of the test between the two moves both alike.
  ::testing::AssertionResult PlaysOnFrom(double from, double mark) {
    const double now = player_.CurrentPosition();
    const double latest = from + (yardstick_.Seconds() - mark) + kClockSlack;
    if (now >= from - kFrame && now <= latest) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "at " << now << ", not within " << from - kFrame << " to " << latest;
  }
  // Plays to the end, noting the positions seen on the way and, on the
  // yardstick, how long the rest of the song took since `mark`.
  struct Run {
    double first = 1e9, last = 0;
    bool monotonic = true;
    double seconds = 0;
  };
  Run PlayOut(double mark) {
    Run run;
    const int before = ends_;
    EXPECT_TRUE(WaitFor([&] {
      if (ends_ > before) return true;  // a song that ended rests at the start again
      const double now = player_.CurrentPosition();
      run.monotonic = run.monotonic && now >= run.last;
      run.first = std::min(run.first, now);
      run.last = now;
      return false;
    }));
    run.seconds = yardstick_.Seconds() - mark;
    return run;
  }

  Yardstick yardstick_;
  int ends_ = 0;
  Mp3MediaPlayer player_{[this] { ++ends_; }, GetParam()};
};

TEST(MediaPlayerRig, HasAnAudioDevice) {
  // Without one every device test would quietly run on the silent clock instead.
  EXPECT_GT(waveOutGetNumDevs(), 0u);
}

TEST_P(MediaPlayerTest, PlaysASongToItsEndAtTheClocksPaceAndReportsItOnce) {
  const Mp3Info info = Scan("cbr128.mp3");
  const double started = Mark();
  OpenPlaying("cbr128.mp3");
  EXPECT_NEAR(player_.Duration(), info.DurationSeconds(), kFrame);
  EXPECT_NEAR(player_.Duration(), 3.0, 0.1);
  const Run run = PlayOut(started);
  EXPECT_TRUE(run.monotonic);
  // Ending when decoding ran out, with the last buffers still queued, would
  // stop short; playing faster than the clock would too.
  EXPECT_GE(run.seconds, player_.Duration() - kClockSlack);
  EXPECT_EQ(player_.State(), PlayState::Stopped);
  Settle();
  EXPECT_EQ(ends_, 1) << "end of stream raised twice";
}

// Straight after opening, before any sound, and again later: the position
// and the sound hold still until Play, which goes on from there.
TEST_P(MediaPlayerTest, PauseHoldsThePositionAndTheSoundUntilPlay) {
  OpenPlaying("cbr128.mp3");
  for (const double at : {0.0, 0.5}) {
    ASSERT_TRUE(ReachesPosition(at));
    player_.Pause();
    EXPECT_EQ(player_.State(), PlayState::Paused);
    const double paused = player_.CurrentPosition();
    ASSERT_TRUE(yardstick_.Passes(0.5));
    EXPECT_DOUBLE_EQ(player_.CurrentPosition(), paused);
    const double mark = Mark();
    player_.Play();
    EXPECT_EQ(player_.State(), PlayState::Playing);
    EXPECT_GE(player_.CurrentPosition(), paused);
    EXPECT_TRUE(PlaysOnFrom(paused, mark)) << "the device did not play on unheard";
  }
  player_.Play();  // already playing: nothing happens
  EXPECT_EQ(player_.State(), PlayState::Playing);
  EXPECT_TRUE(Ends());
}

TEST_P(MediaPlayerTest, StopRaisesNoEndOfStreamAndPlayStartsOver) {
  OpenPlaying("cbr128.mp3");
  ASSERT_TRUE(ReachesPosition(0.5));
  player_.Stop();
  EXPECT_EQ(player_.State(), PlayState::Stopped);
  EXPECT_EQ(player_.CurrentPosition(), 0);
  EXPECT_GT(player_.Duration(), 0);
  Settle();
  EXPECT_EQ(ends_, 0);

  const double mark = Mark();
  player_.Play();
  EXPECT_EQ(player_.State(), PlayState::Playing);
  EXPECT_TRUE(PlaysOnFrom(0, mark));
  EXPECT_TRUE(ReachesPosition(0.2));
}

TEST_P(MediaPlayerTest, SeekWhilePlayingMovesToTheFrameAndPlaysOnFromThere) {
  OpenPlaying("cbr128.mp3");
  ASSERT_TRUE(ReachesPosition(0.2));
  const double mark = Mark();
  player_.SetCurrentPosition(2.0);
  EXPECT_EQ(player_.State(), PlayState::Playing);
  EXPECT_TRUE(PlaysOnFrom(2.0, mark));
  const Run run = PlayOut(mark);
  EXPECT_TRUE(run.monotonic);
  EXPECT_GE(run.first, 2.0 - kFrame) << "no sound from before the seek";
  EXPECT_GE(run.seconds, player_.Duration() - 2.0 - kClockSlack) << "the rest of the song";
}

// Paused stays paused at the new place, stopped stays stopped; Play goes on
// from there.
TEST_P(MediaPlayerTest, SeekWhileNotPlayingIsWherePlayGoesOn) {
  OpenPlaying("cbr128.mp3");
  ASSERT_TRUE(ReachesPosition(0.2));
  player_.Pause();
  player_.SetCurrentPosition(1.5);
  EXPECT_EQ(player_.State(), PlayState::Paused);
  ASSERT_TRUE(yardstick_.Passes(0.3));
  EXPECT_NEAR(player_.CurrentPosition(), 1.5, kFrame);
  player_.SetCurrentPosition(0.5);  // backwards too
  EXPECT_NEAR(player_.CurrentPosition(), 0.5, kFrame);
  double mark = Mark();
  player_.Play();
  EXPECT_TRUE(PlaysOnFrom(0.5, mark));

  player_.Stop();
  player_.SetCurrentPosition(2.5);
  EXPECT_EQ(player_.State(), PlayState::Stopped);
  EXPECT_NEAR(player_.CurrentPosition(), 2.5, kFrame);
  mark = Mark();
  player_.Play();
  EXPECT_TRUE(PlaysOnFrom(2.5, mark));
  EXPECT_TRUE(Ends());
}

TEST_P(MediaPlayerTest, SeekPastTheEndEndsTheSongOnce) {
  OpenPlaying("cbr128.mp3");
  player_.SetCurrentPosition(player_.Duration() + 1);
  ASSERT_TRUE(Ends(1));
  EXPECT_EQ(player_.State(), PlayState::Stopped);

  OpenPlaying("cbr128.mp3");
  player_.Pause();
  player_.SetCurrentPosition(player_.Duration());
  ASSERT_TRUE(Ends(2));
  EXPECT_EQ(player_.State(), PlayState::Stopped);

  // Opened again before the notice arrives: the new song must not take the old one's end.
  OpenPlaying("cbr128.mp3");
  player_.SetCurrentPosition(100);
  OpenPlaying("cbr128.mp3");
  Settle();
  EXPECT_EQ(ends_, 2);
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
  Settle();
  EXPECT_EQ(ends_, 0);
}

// A cut-off file plays what it has; variable rates, mono at a low rate and a
// name outside Windows-1252 play too, each to its end, which comes once. The
// rest of the song after a seek takes as long as it should: in vbr.mp3, whose
// quiet start has the smallest frames, a seek that went by a share of the
// bytes would land more than half a second too late.
TEST_P(MediaPlayerTest, PlaysEveryKindOfFileToItsEnd) {
  const struct {
    const char* name;
    double fromEnd;
  } files[] = {
      {"truncated.mp3", 0.5}, {"vbr.mp3", 3.5}, {"mono.mp3", 0.5}, {kNonWindows1252Name, 0.5}};
  for (const auto& [name, fromEnd] : files) {
    const double duration = Scan(name).DurationSeconds();
    const int before = ends_;
    OpenPlaying(name);
    EXPECT_DOUBLE_EQ(player_.Duration(), duration) << name;
    ASSERT_TRUE(ReachesPosition(0.2)) << name;
    const double mark = Mark();
    player_.SetCurrentPosition(duration - fromEnd);
    EXPECT_TRUE(PlaysOnFrom(duration - fromEnd, mark)) << name;
    EXPECT_GE(PlayOut(mark).seconds, fromEnd - kClockSlack) << name;
    Settle();
    EXPECT_EQ(ends_, before + 1) << name;
  }
}

// Gone while playing, and again with its end-of-stream notice still queued:
// the notice must go nowhere.
TEST_P(MediaPlayerTest, DestroyingWhilePlayingLeavesNothingBehind) {
  for (const double at : {0.0, 100.0}) {
    auto player = std::make_unique<Mp3MediaPlayer>([this] { ++ends_; }, GetParam());
    ASSERT_TRUE(player->Open(TestMp3("cbr128.mp3")));
    ASSERT_TRUE(WaitFor([&] { return player->CurrentPosition() > 0.3; }));
    player->SetCurrentPosition(at);
    player.reset();
  }
  Settle();
  EXPECT_EQ(ends_, 0);
}

// Continuous play: asked once the song has been decoded to its end, the
// player queues the next one behind it on the same output, so the output
// never runs dry between the two; the end comes as the next song is heard,
// and the handler's Open takes it on as it plays.
TEST_P(MediaPlayerTest, TheNextSongIsQueuedBehindTheLastAndTheOutputNeverRunsDry) {
  const std::string next = TestMp3("vbr.mp3");
  int ends = 0, asks = 0;
  double takenOnAt = -1;
  std::unique_ptr<Mp3MediaPlayer> player;
  player = std::make_unique<Mp3MediaPlayer>(
      [&] {
        if (++ends > 1) return;
        EXPECT_EQ(player->State(), PlayState::Stopped);
        EXPECT_TRUE(player->Open(next));
        takenOnAt = player->CurrentPosition();
      },
      GetParam());
  player->AskNextSongWith([&] { return ++asks == 1 ? next : std::string(); });
  ASSERT_TRUE(player->Open(TestMp3("cbr128.mp3")));
  player->SetCurrentPosition(2.0);
  ASSERT_TRUE(WaitFor([&] { return ends == 1; }));
  EXPECT_EQ(player->State(), PlayState::Playing);
  EXPECT_DOUBLE_EQ(player->Duration(), Scan("vbr.mp3").DurationSeconds());
  EXPECT_GE(takenOnAt, 0);
  EXPECT_LT(takenOnAt, 1.0) << "heard from its start";
  // Asked again for the song after it, answered with none: it plays out.
  player->SetCurrentPosition(player->Duration() - 0.5);
  ASSERT_TRUE(WaitFor([&] { return ends == 2; }));
  EXPECT_EQ(asks, 2);
  EXPECT_EQ(player->Gaps().count, 0u) << "the output ran dry between the songs";
}

// The handler decides: opening none or another song drops the one queued,
// and a song in another format than the last plays after its own start.
TEST_P(MediaPlayerTest, TheSongQueuedToFollowGivesWayToWhatTheHandlerOpens) {
  const std::string next = TestMp3("cbr128.mp3");
  std::vector<std::string> opens = {"", kNonWindows1252Name};
  int ends = 0;
  std::unique_ptr<Mp3MediaPlayer> player;
  player = std::make_unique<Mp3MediaPlayer>(
      [&] {
        ++ends;
        if (opens.empty()) return;
        if (!opens.front().empty()) {
          EXPECT_TRUE(player->Open(TestMp3(opens.front())));
        }
        opens.erase(opens.begin());
      },
      GetParam());
  player->AskNextSongWith([&] { return next; });
  ASSERT_TRUE(player->Open(TestMp3("cbr128.mp3")));
  player->SetCurrentPosition(2.5);
  ASSERT_TRUE(WaitFor([&] { return ends == 1; }));
  Settle();
  EXPECT_EQ(player->State(), PlayState::Stopped);
  EXPECT_EQ(player->CurrentPosition(), 0);
  EXPECT_EQ(ends, 1) << "the dropped song reported an end";

  ASSERT_TRUE(player->Open(TestMp3("cbr128.mp3")));
  player->SetCurrentPosition(2.5);
  ASSERT_TRUE(WaitFor([&] { return ends == 2; }));
  EXPECT_EQ(player->State(), PlayState::Playing);
  EXPECT_LT(player->CurrentPosition(), 1.0) << "the song opened plays from its start";

  player->AskNextSongWith([&] { return TestMp3("mono.mp3"); });
  opens = {"mono.mp3"};
  player->SetCurrentPosition(2.5);
  ASSERT_TRUE(WaitFor([&] { return ends == 3; }));
  EXPECT_EQ(player->State(), PlayState::Playing);
  EXPECT_DOUBLE_EQ(player->Duration(), Scan("mono.mp3").DurationSeconds());
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
  ASSERT_TRUE(WaitFor([&] { return ends == 1; }));
  EXPECT_EQ(player->State(), PlayState::Playing);
  EXPECT_NEAR(player->Duration(), 2.0, 0.1);
  player->SetCurrentPosition(1.7);
  EXPECT_TRUE(WaitFor([&] { return ends == 2; }));
  EXPECT_EQ(player->State(), PlayState::Stopped);
}

// The system's codec and device, or their absence.
class FakeSoundSystem final : public SoundSystem {
 public:
  bool DecodesMp3() override { return hasCodec; }
  std::unique_ptr<AudioSink> OpenDevice(const WAVEFORMATEX& format) override {
    return hasDevice ? WindowsSoundSystem().OpenDevice(format) : nullptr;
  }
  bool hasCodec = true;
  bool hasDevice = true;
};

struct ToldLines {
  std::function<void(std::string_view)> Sink() {
    return [this](std::string_view line) { lines.emplace_back(line); };
  }
  std::vector<std::string> lines;
};

// A system without the MP3 codec is named as the player is made, once,
// with the pack that brings it; one with the codec says nothing. Wine's
// codec is found, as Windows' own would be.
TEST(MediaPlayerSound, AMissingMp3CodecIsToldOnceAtTheStart) {
  EXPECT_TRUE(WindowsSoundSystem().DecodesMp3());
  FakeSoundSystem sound;
  ToldLines told;
  { Mp3MediaPlayer player({}, AudioOutput::kDevice, told.Sink(), sound); }
  EXPECT_TRUE(told.lines.empty());
  sound.hasCodec = false;
  Mp3MediaPlayer player({}, AudioOutput::kDevice, told.Sink(), sound);
  ASSERT_EQ(told.lines, std::vector<std::string>{std::string(Mp3MediaPlayer::kNoMp3Codec)});
  EXPECT_NE(told.lines[0].find("Media Feature Pack"), std::string::npos);
}

// With no device the silent clock keeps the song's time and its end, and
// the user hears of it once, at the first song, not at every one.
TEST(MediaPlayerSound, NoAudioDeviceIsToldOnceAndTheSongStillKeepsItsTime) {
  FakeSoundSystem sound;
  ToldLines told;
  int ends = 0;
  Mp3MediaPlayer player([&] { ++ends; }, AudioOutput::kDevice, told.Sink(), sound);
  ASSERT_TRUE(player.Open(TestMp3("mono.mp3")));
  EXPECT_TRUE(told.lines.empty()) << "a device plays it";
  sound.hasDevice = false;
  ASSERT_TRUE(player.Open(TestMp3("mono.mp3")));
  EXPECT_EQ(told.lines, std::vector<std::string>{std::string(Mp3MediaPlayer::kNoAudioDevice)});
  player.SetCurrentPosition(1.5);
  EXPECT_TRUE(WaitFor([&] { return player.CurrentPosition() > 1.6; }));
  EXPECT_TRUE(WaitFor([&] { return ends == 1; }));
  ASSERT_TRUE(player.Open(TestMp3("cbr128.mp3")));
  EXPECT_EQ(told.lines.size(), 1u);
}

TEST(LongPath, GivesDrivesSharesAndRelativePathsTheirLongForm) {
  EXPECT_EQ(LongPath("C:\\Music\\a.mp3"), L"\\\\?\\C:\\Music\\a.mp3");
  EXPECT_EQ(LongPath("C:/Music/old/../a.mp3"), L"\\\\?\\C:\\Music\\a.mp3");
  EXPECT_EQ(LongPath("\\\\server\\share\\a.mp3"), L"\\\\?\\UNC\\server\\share\\a.mp3");
  EXPECT_EQ(LongPath("\\\\?\\C:\\x.mp3"), L"\\\\?\\C:\\x.mp3");
  EXPECT_EQ(LongPath("\\\\.\\pipe\\x"), L"\\\\.\\pipe\\x");
  SetCurrentDirectoryW(L"C:\\windows");
  EXPECT_EQ(LongPath("a.mp3"), L"\\\\?\\C:\\windows\\a.mp3");
  EXPECT_EQ(LongPath(""), L"");
}

// Ten folders of 40 letters: the song's path is past 400 characters.
TEST(MediaPlayerChain, PlaysASongWhosePathIsPastMaxPath) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(L"\\\\?\\") + temp + L"sonorix-long";
  std::vector<std::wstring> made{folder};
  CreateDirectoryW(folder.c_str(), nullptr);
  for (int i = 0; i < 10; ++i) {
    folder += L"\\" + std::wstring(40, static_cast<wchar_t>(L'a' + i));
    made.push_back(folder);
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
  }
  const std::wstring song = folder + L"\\song.mp3";
  ASSERT_TRUE(CopyFileW(Utf8ToWide(TestMp3("cbr128.mp3")).c_str(), song.c_str(), FALSE));
  {
    Mp3MediaPlayer player({}, AudioOutput::kSilentClock);
    EXPECT_TRUE(player.Open(WideToUtf8(song.substr(4))));
    EXPECT_EQ(player.Duration(), Scan("cbr128.mp3").DurationSeconds());
  }
  DeleteFileW(song.c_str());
  for (auto it = made.rbegin(); it != made.rend(); ++it) RemoveDirectoryW(it->c_str());
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
