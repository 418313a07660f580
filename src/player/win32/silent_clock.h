// Stands in for a missing audio device: takes PCM and lets it "play" in real time, so a song
// still advances, pauses, seeks and ends when nothing can be heard.
#pragma once

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <chrono>
#include <cstdint>
#include <mutex>

#include "player/win32/audio_sink.h"

namespace sonorix {

class SilentClock final : public AudioSink {
 public:
  using Clock = std::chrono::steady_clock;

  explicit SilentClock(const WAVEFORMATEX& format) : format_(format) {}

  bool Write(std::vector<std::uint8_t> pcm) override;
  std::size_t Reclaim() override;
  HANDLE BufferDoneEvent() const override { return nullptr; }
  void Pause() override;
  void Resume() override;
  std::uint64_t PlayedSamples() const override;
  void SetVolume(int) override {}

 private:
  std::uint64_t PlayedAt(Clock::time_point now) const;

  const WAVEFORMATEX format_;
  mutable std::mutex mutex_;
  std::uint64_t written_ = 0;       // sample frames handed over
  std::uint64_t playedBefore_ = 0;  // sample frames heard before `since_`
  Clock::time_point since_ = Clock::now();
  bool paused_ = false;
};

}  // namespace sonorix
