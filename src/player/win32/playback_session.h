// One run of a song from a given frame: a worker thread decodes batches of frames and keeps a
// few hundred milliseconds of PCM queued to the output until the last buffer has played. A song
// given to follow is queued on the same output right behind the last buffers, so nothing of the
// output's start or the decoder's is heard between the two.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "core/win32/win32_handle.h"
#include "player/win32/acm_decoder.h"
#include "player/win32/audio_sink.h"
#include "player/win32/loaded_song.h"
#include "player/win32/output_gaps.h"
#include "player/win32/sound_system.h"

namespace sonorix {

enum class AudioOutput { kDevice, kSilentClock };

enum class SessionNotice {
  kDecoded,    // the song decoding now has been decoded to its end: time to give a follower
  kSongEnded,  // a song's last buffer has been heard; a follower, if any, plays on
};

struct SessionStart {
  std::shared_ptr<const LoadedSong> song;
  std::size_t frame = 0;  // the first one heard
  int volume = 100;
  AudioOutput output = AudioOutput::kDevice;
  // Where the device comes from; the system's own when null.
  SoundSystem* sound = nullptr;
  // Runs on the worker thread; never after a stop. kSongEnded comes once for each song.
  std::function<void(SessionNotice)> notify;
  // Told when the output runs dry and when sound is heard again; outlives the session.
  OutputGaps* gaps = nullptr;
};

// The frame decoding starts at so that `target` decodes whole: a Layer III frame takes part of
// its audio data from the frames before it (the bit reservoir), and its output builds on the
// previous frames' output.
std::size_t DecodeStartFrame(const LoadedSong& song, std::size_t target);

// Made, paused, resumed and dropped on one thread (the player's); destroying it stops the
// worker and silences the output without waiting for queued audio.
class PlaybackSession {
  struct Key {
    explicit Key() = default;
  };
  struct Follower {
    std::shared_ptr<const LoadedSong> song;
    std::unique_ptr<AcmMp3Decoder> decoder;
  };

 public:
  PlaybackSession(Key, SessionStart start, std::unique_ptr<AcmMp3Decoder> decoder,
                  std::unique_ptr<AudioSink> sink, UniqueHandle stopEvent, UniqueHandle wakeEvent);
  // Null when the song cannot be decoded or the worker cannot start. Falls back to the silent
  // clock when no audio device opens.
  static std::unique_ptr<PlaybackSession> Start(SessionStart start);
  ~PlaybackSession();
  PlaybackSession(const PlaybackSession&) = delete;
  PlaybackSession& operator=(const PlaybackSession&) = delete;

  void Pause();
  void Resume();
  void SetVolume(int level) { sink_->SetVolume(level); }
  // False when the silent clock keeps the time: no device opened.
  bool Heard() const;
  // Seconds from the start of the song heard; never goes back, and holds still while paused.
  // Runs on past that song's end while its follower plays, until Advance.
  double Position() const;

  // Whether the song heard has been decoded to its end with nothing given to follow it yet.
  bool WantsFollower() const;
  // Queues `song` to be heard right after the song heard now. False when its sound is not in
  // the same format, no codec takes it, or the output has played out already.
  bool Follow(std::shared_ptr<const LoadedSong> song);
  // Whether the output has played past the song heard into its follower.
  bool FollowerHeard() const;
  // Makes the follower the song heard, its position counted from its own start.
  void Advance();

 private:
  bool StopRequested() const;
  void Run();
  void Feed();
  bool TakeFollower();
  bool PlayedOut();
  void NoteHeard(std::size_t queued);
  void DecodeBatch();
  void Wait() const;
  void Notify(SessionNotice notice) const;

  const SessionStart start_;
  const WAVEFORMATEX format_;
  std::unique_ptr<AudioSink> sink_;
  UniqueHandle stopEvent_;
  UniqueHandle wakeEvent_;  // a follower was given

  mutable std::mutex mutex_;
  std::optional<Follower> follower_;       // given and not yet taken by the worker
  std::optional<std::uint64_t> boundary_;  // bytes written before the follower's first
  bool playedOut_ = false;                 // the worker has ended: nothing more is taken
  bool boundaryHeard_ = false;
  std::atomic<bool> decodedToEnd_ = false;  // the song decoding now

  // Worker only.
  std::shared_ptr<const LoadedSong> song_;
  std::unique_ptr<AcmMp3Decoder> decoder_;
  std::size_t batchFrames_ = 0;
  std::size_t queueBytes_ = 0;
  std::size_t nextFrame_ = 0;
  std::size_t discardBytes_ = 0;  // the output of the frames before the start
  bool decodedAll_ = false;
  std::uint64_t written_ = 0;
  std::optional<std::uint64_t> soundAfter_;  // bytes written up to the first buffer after silence
  double soundSeconds_ = 0;                  // and that buffer's length

  // Player thread only.
  std::shared_ptr<const LoadedSong> heardSong_;
  double heardFrom_ = 0;         // seconds into the song heard at `heardBase_`
  std::uint64_t heardBase_ = 0;  // device samples before the song heard began
  bool followerGiven_ = false;
  mutable std::uint64_t heard_ = 0;
  std::optional<double> pausedAt_;

  std::thread worker_;  // last: started once the rest is in place
};

}  // namespace sonorix
