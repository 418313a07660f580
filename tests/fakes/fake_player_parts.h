// In-memory stand-ins for the media player, song list, progress bar, clock
// and randomness.
#pragma once

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/clock.h"
#include "player/media_player.h"
#include "player/progress.h"
#include "player/random_song.h"
#include "player/song_list.h"

namespace sonorix::testing {

class FakeMediaPlayer final : public MediaPlayer {
 public:
  bool Open(const std::string& path) override {
    opened.push_back(path);
    if (broken.count(path) != 0) {
      state = PlayState::Stopped;
      duration = 0;
      return false;
    }
    state = PlayState::Playing;
    position = 0;
    return true;
  }
  void Play() override { ++plays, state = PlayState::Playing; }
  void Pause() override { state = PlayState::Paused; }
  void Stop() override { ++stops, state = PlayState::Stopped; }
  PlayState State() const override { return state; }
  double Duration() const override { return duration; }
  double CurrentPosition() const override { return position; }
  void SetCurrentPosition(double seconds) override { seeks.push_back(position = seconds); }

  PlayState state = PlayState::Stopped;
  double duration = 200.6;
  double position = 0;
  std::set<std::string> broken;
  std::vector<std::string> opened;
  std::vector<double> seeks;
  int plays = 0;
  int stops = 0;
};

class FakeSongList final : public SongList {
 public:
  void SetFolder(const std::string& path) override { folder = path; }
  std::string Folder() const override { return folder; }
  int Count() const override { return static_cast<int>(names.size()); }
  int Selected() const override { return selected; }
  void Select(int position) override { selected = position; }
  std::string Name(int position) const override {
    return position >= 0 && position < Count() ? names[static_cast<std::size_t>(position)] : "";
  }
  const SongNames& Names() const override {
    built = SongNames(names);
    return built;
  }

  std::string folder = "D:\\music";
  std::vector<std::string> names;
  int selected = -1;
  mutable SongNames built;
};

class FakeProgress final : public ProgressDisplay {
 public:
  void Start() override { running = true, ++starts; }
  void StopAndClear() override { running = false, ++clears; }
  bool running = false;
  int starts = 0;
  int clears = 0;
};

class FakeClock final : public Clock {
 public:
  double Seconds() const override { return now; }
  void Pause(double seconds) override {
    pauses.push_back(seconds);
    now += seconds;
    if (duringPause) duringPause();
  }
  std::string ShortDateText() const override { return "12/6/2026"; }
  std::string LongTimeText() const override { return "6:30:05 PM"; }
  double now = 0;
  std::vector<double> pauses;
  std::function<void()> duringPause;
};

// Hands out the given draws in turn, then starts again.
class ScriptedRandomness final : public Randomness {
 public:
  explicit ScriptedRandomness(std::vector<double> draws = {0.0}) : draws_(std::move(draws)) {}
  double Next() override { return draws_[next_++ % draws_.size()]; }

 private:
  std::vector<double> draws_;
  std::size_t next_ = 0;
};

}  // namespace sonorix::testing
