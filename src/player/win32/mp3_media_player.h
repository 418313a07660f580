// The media player behind the player window: MP3 files decoded by the Windows MP3 codec and
// played through waveOut.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "player/media_player.h"
#include "player/win32/loaded_song.h"
#include "player/win32/notify_window.h"
#include "player/win32/playback_session.h"

namespace sonorix {

// Used from one thread, the one that makes it, which must run a message loop.
class Mp3MediaPlayer final : public MediaPlayer, public VolumeControl {
 public:
  // onEndOfStream runs once for each song that plays to its end (or is sought past it), on
  // the thread that made the player, from its message loop; never for Stop or a new Open. It
  // may open the next song. kSilentClock plays every song on a clock alone, as happens anyway
  // when no audio device opens.
  explicit Mp3MediaPlayer(std::function<void()> onEndOfStream = {},
                          AudioOutput output = AudioOutput::kDevice);
  ~Mp3MediaPlayer() override;
  Mp3MediaPlayer(const Mp3MediaPlayer&) = delete;
  Mp3MediaPlayer& operator=(const Mp3MediaPlayer&) = delete;

  bool Open(const std::string& path) override;
  void Play() override;
  void Pause() override;
  void Stop() override;
  PlayState State() const override { return state_; }
  double Duration() const override;
  double CurrentPosition() const override;
  void SetCurrentPosition(double seconds) override;
  void SetVolume(int level) override;

 private:
  bool StartAt(std::size_t frame);
  void EndSession();
  void OnPosted(std::uintptr_t generation);

  const std::function<void()> onEndOfStream_;
  const AudioOutput output_;
  int volume_ = 100;
  std::shared_ptr<const LoadedSong> song_;
  PlayState state_ = PlayState::Stopped;
  std::size_t restFrame_ = 0;  // shown, and where Play starts, while no session runs
  // Raised whenever a run is dropped, so a stale end-of-song notice is told apart.
  std::uintptr_t generation_ = 0;
  NotifyWindow window_;  // outlives the session that posts to it
  std::unique_ptr<PlaybackSession> session_;
};

}  // namespace sonorix
