// Plays PCM through the default waveOut device.
#pragma once

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <deque>
#include <memory>
#include <type_traits>

#include "core/win32/win32_handle.h"
#include "player/win32/audio_sink.h"

namespace sonorix {

// waveOutSetVolume's value for a level of 0 to 100, the same on both channels.
DWORD WaveOutVolume(int level);

class WaveOutput final : public AudioSink {
  struct DeviceCloser {
    void operator()(HWAVEOUT device) const { waveOutClose(device); }
  };
  using UniqueDevice = std::unique_ptr<std::remove_pointer_t<HWAVEOUT>, DeviceCloser>;
  struct Key {
    explicit Key() = default;
  };

 public:
  WaveOutput(Key, UniqueHandle doneEvent, UniqueDevice device, const WAVEFORMATEX& format);
  // Null when there is no device that plays this format.
  static std::unique_ptr<WaveOutput> Open(const WAVEFORMATEX& format);
  ~WaveOutput() override;
  WaveOutput(const WaveOutput&) = delete;
  WaveOutput& operator=(const WaveOutput&) = delete;

  bool Write(std::vector<std::uint8_t> pcm) override;
  std::size_t Reclaim() override;
  HANDLE BufferDoneEvent() const override { return doneEvent_.get(); }
  void Pause() override;
  void Resume() override;
  std::uint64_t PlayedSamples() const override;
  void SetVolume(int level) override;

 private:
  // The header's address goes to the driver, so it stays put while queued.
  struct Buffer {
    std::vector<std::uint8_t> pcm;
    WAVEHDR header{};
  };

  UniqueHandle doneEvent_;  // outlives the device, which signals it until closed
  UniqueDevice device_;
  WAVEFORMATEX format_;
  std::deque<std::unique_ptr<Buffer>> queued_;
  std::size_t queuedBytes_ = 0;
};

}  // namespace sonorix
