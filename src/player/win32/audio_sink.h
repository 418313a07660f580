// Where decoded PCM goes: a waveOut device, or a clock that only keeps time when there is none.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sonorix {

// Write and Reclaim belong to the decoding thread; Pause, Resume, PlayedSamples and SetVolume
// may come from another thread at the same time.
class AudioSink {
 public:
  virtual ~AudioSink() = default;

  // Queues PCM behind what is queued; playing starts with the first buffer. False when the
  // output has failed and takes nothing more.
  virtual bool Write(std::vector<std::uint8_t> pcm) = 0;
  // Lets go of the buffers played out; returns the bytes still waiting to be heard.
  virtual std::size_t Reclaim() = 0;
  // Signalled when a buffer has played out, or null when the sink has to be polled.
  virtual HANDLE BufferDoneEvent() const = 0;

  virtual void Pause() = 0;
  virtual void Resume() = 0;
  // Sample frames heard since the sink opened; kept while paused.
  virtual std::uint64_t PlayedSamples() const = 0;
  // 0 to 100.
  virtual void SetVolume(int level) = 0;
};

}  // namespace sonorix
