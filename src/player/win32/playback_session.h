// One run of a song from a given frame: a worker thread decodes batches of frames and keeps a
// few hundred milliseconds of PCM queued to the output until the last buffer has played.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "core/win32/win32_handle.h"
#include "player/win32/acm_decoder.h"
#include "player/win32/audio_sink.h"
#include "player/win32/loaded_song.h"
#include "player/win32/sound_system.h"

namespace sonorix {

enum class AudioOutput { kDevice, kSilentClock };

struct SessionStart {
  std::shared_ptr<const LoadedSong> song;
  std::size_t frame = 0;  // the first one heard
  int volume = 100;
  AudioOutput output = AudioOutput::kDevice;
  // Where the device comes from; the system's own when null.
  SoundSystem* sound = nullptr;
  // Runs once on the worker thread when the last buffer has played; never after a stop.
  std::function<void()> onPlayedOut;
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

 public:
  PlaybackSession(Key, SessionStart start, std::unique_ptr<AcmMp3Decoder> decoder,
                  std::unique_ptr<AudioSink> sink, UniqueHandle stopEvent);
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
  // Seconds from the start of the song; never goes back, and holds still while paused.
  double Position() const;

 private:
  bool StopRequested() const;
  void Run();
  void Feed();
  void DecodeBatch();
  void Wait() const;

  const SessionStart start_;
  const std::size_t batchFrames_;
  const std::size_t queueBytes_;
  std::unique_ptr<AcmMp3Decoder> decoder_;
  std::unique_ptr<AudioSink> sink_;
  UniqueHandle stopEvent_;
  std::size_t nextFrame_ = 0;        // worker only
  std::size_t discardBytes_ = 0;     // worker only: the output of the frames before the start
  bool decodedAll_ = false;          // worker only
  mutable std::uint64_t heard_ = 0;  // player thread only
  std::optional<double> pausedAt_;   // player thread only
  std::thread worker_;               // last: started once the rest is in place
};

}  // namespace sonorix
