#include "player/win32/wave_output.h"

#include <algorithm>

namespace sonorix {

namespace {

// The driver sets WHDR_DONE from its own thread.
bool IsDone(const WAVEHDR& header) {
  return (*static_cast<const volatile DWORD*>(&header.dwFlags) & WHDR_DONE) != 0;
}

}  // namespace

DWORD WaveOutVolume(int level) {
  const DWORD channel = static_cast<DWORD>(std::clamp(level, 0, 100)) * 0xFFFFu / 100u;
  return channel | (channel << 16);
}

std::unique_ptr<WaveOutput> WaveOutput::Open(const WAVEFORMATEX& format) {
  UniqueHandle done = MakeEvent(false);
  if (!done) return nullptr;
  HWAVEOUT raw = nullptr;
  if (waveOutOpen(&raw, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done.get()), 0,
                  CALLBACK_EVENT) != MMSYSERR_NOERROR) {
    return nullptr;
  }
  return std::make_unique<WaveOutput>(Key{}, std::move(done), UniqueDevice(raw), format);
}

WaveOutput::WaveOutput(Key, UniqueHandle doneEvent, UniqueDevice device, const WAVEFORMATEX& format)
    : doneEvent_(std::move(doneEvent)), device_(std::move(device)), format_(format) {}

WaveOutput::~WaveOutput() {
  // Reset hands every queued buffer back, so each can be unprepared before the close.
  waveOutReset(device_.get());
  for (const auto& buffer : queued_) {
    waveOutUnprepareHeader(device_.get(), &buffer->header, sizeof(WAVEHDR));
  }
}

bool WaveOutput::Write(std::vector<std::uint8_t> pcm) {
  auto buffer = std::make_unique<Buffer>();
  buffer->pcm = std::move(pcm);
  buffer->header.lpData = reinterpret_cast<LPSTR>(buffer->pcm.data());
  buffer->header.dwBufferLength = static_cast<DWORD>(buffer->pcm.size());
  if (waveOutPrepareHeader(device_.get(), &buffer->header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
    return false;
  }
  if (waveOutWrite(device_.get(), &buffer->header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
    waveOutUnprepareHeader(device_.get(), &buffer->header, sizeof(WAVEHDR));
    return false;
  }
  queuedBytes_ += buffer->pcm.size();
  queued_.push_back(std::move(buffer));
  return true;
}

std::size_t WaveOutput::Reclaim() {
  // The device plays buffers in order, so the finished ones are at the front.
  while (!queued_.empty() && IsDone(queued_.front()->header)) {
    waveOutUnprepareHeader(device_.get(), &queued_.front()->header, sizeof(WAVEHDR));
    queuedBytes_ -= queued_.front()->pcm.size();
    queued_.pop_front();
  }
  return queuedBytes_;
}

void WaveOutput::Pause() { waveOutPause(device_.get()); }

void WaveOutput::Resume() { waveOutRestart(device_.get()); }

std::uint64_t WaveOutput::PlayedSamples() const {
  MMTIME time{};
  time.wType = TIME_SAMPLES;
  if (waveOutGetPosition(device_.get(), &time, sizeof(time)) != MMSYSERR_NOERROR) return 0;
  // A driver may answer in another unit than asked for.
  if (time.wType == TIME_SAMPLES) return time.u.sample;
  if (time.wType == TIME_BYTES && format_.nBlockAlign > 0) return time.u.cb / format_.nBlockAlign;
  return 0;
}

void WaveOutput::SetVolume(int level) { waveOutSetVolume(device_.get(), WaveOutVolume(level)); }

}  // namespace sonorix
