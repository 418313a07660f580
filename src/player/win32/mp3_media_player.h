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
#include "player/win32/output_gaps.h"
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

  // Asked, from the message loop, once the playing song has been decoded to its end (about a
  // second before it is heard to end): the full path of the song its end-of-stream handler
  // will open, or empty when it opens none. That song is queued behind the playing one on the
  // same output; the end of stream comes when the output reaches it, and the handler's Open of
  // that path takes it on as it plays. Any other answer by the handler drops it.
  void AskNextSongWith(std::function<std::string()> nextSong) { nextSong_ = std::move(nextSong); }

  bool Open(const std::string& path) override;
  void Play() override;
  void Pause() override;
  void Stop() override;
  PlayState State() const override { return state_; }
  double Duration() const override;
  double CurrentPosition() const override;
  void SetCurrentPosition(double seconds) override;
  void SetVolume(int level) override;

  // The silences between sounds that nobody asked for: a song started from the end-of-stream
  // handler after the last one played out counts, a stop or a song started by hand does not.
  OutputGaps::Figures Gaps() const { return gaps_.Total(); }
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
  bool TakeOnFollower(const std::string& path);
  void EndSession();
  void OnPosted(std::uintptr_t value);
  void OnSongEnded();
  void OfferFollower();

  const std::function<void()> onEndOfStream_;
  const AudioOutput output_;
  std::function<std::string()> nextSong_;
  OutputGaps gaps_;
  const std::function<void(std::string_view)> tellUser_;
  SoundSystem& sound_;
  bool toldNoDevice_ = false;
  int volume_ = 100;
  std::shared_ptr<const LoadedSong> song_;
  PlayState state_ = PlayState::Stopped;
  std::size_t restFrame_ = 0;  // shown, and where Play starts, while no session runs
  // The song queued to follow, and whether the output already plays it while the
  // end-of-stream handler decides whether to take it on.
  std::shared_ptr<const LoadedSong> follower_;
  std::string followerPath_;
  bool handingOver_ = false;
  // While the end-of-stream handler runs; the token tells whether it left this player alive.
  bool ending_ = false;
  std::shared_ptr<int> life_ = std::make_shared<int>();
  // Raised whenever a run is dropped, so a stale notice is told apart.
  std::uintptr_t generation_ = 0;
  NotifyWindow window_;  // outlives the session that posts to it
  std::unique_ptr<PlaybackSession> session_;
};

}  // namespace sonorix
