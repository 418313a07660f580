// The media player behind the player window: MP3 files decoded by the Windows MP3 codec and
// played through waveOut.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "player/media_player.h"
#include "player/win32/loaded_song.h"
#include "player/win32/notify_window.h"
#include "player/win32/playback_session.h"
#include "player/win32/sound_system.h"

namespace sonorix {

// Used from one thread, the one that makes it, which must run a message loop.
class Mp3MediaPlayer final : public MediaPlayer, public VolumeControl {
 public:
  // onEndOfStream runs once for each song that plays to its end (or is sought past it), on
  // the thread that made the player, from its message loop; never for Stop or a new Open. It
  // may open the next song. kSilentClock plays every song on a clock alone, as happens anyway
  // when no audio device opens. tellUser says, once each, that the system has no MP3 codec
  // (asked as the player is made) and that a song plays on the silent clock for want of a
  // device (at the first such song); neither is said to the room, which goes on as usual.
  explicit Mp3MediaPlayer(std::function<void()> onEndOfStream = {},
                          AudioOutput output = AudioOutput::kDevice,
                          std::function<void(std::string_view)> tellUser = {},
                          SoundSystem& sound = WindowsSoundSystem());
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

  static constexpr std::string_view kNoMp3Codec =
      "Windows on this computer has no MP3 codec, so Sonorix cannot play any song. N and KN "
      "editions of Windows and Windows Server leave it out: install the Media Feature Pack for "
      "your version of Windows (Settings, Apps, Optional features) and start Sonorix again.";
  static constexpr std::string_view kNoAudioDevice =
      "Sonorix found no sound device, so songs play without sound: they keep their time and "
      "end as usual, but nothing is heard. Connect or turn on a sound device; the next song "
      "started plays through it.";

 private:
  bool StartAt(std::size_t frame);
  void EndSession();
  void OnPosted(std::uintptr_t generation);

  const std::function<void()> onEndOfStream_;
  const AudioOutput output_;
  const std::function<void(std::string_view)> tellUser_;
  SoundSystem& sound_;
  bool toldNoDevice_ = false;
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
