#include "player/win32/silent_clock.h"

#include <algorithm>

namespace sonorix {

std::uint64_t SilentClock::PlayedAt(Clock::time_point now) const {
  if (paused_) return playedBefore_;
  const std::chrono::duration<double> elapsed = now - since_;
  const auto advanced = static_cast<std::uint64_t>(elapsed.count() * format_.nSamplesPerSec);
  // Like a device, it cannot play what it has not been given.
  return std::min(written_, playedBefore_ + advanced);
}

bool SilentClock::Write(std::vector<std::uint8_t> pcm) {
  const std::scoped_lock lock(mutex_);
  const auto now = Clock::now();
  // Run dry (or not started yet): time starts again from this buffer, not from the last one.
  if (!paused_ && PlayedAt(now) >= written_) {
    playedBefore_ = written_;
    since_ = now;
  }
  written_ += pcm.size() / std::max<WORD>(format_.nBlockAlign, 1);
  return true;
}

std::size_t SilentClock::Reclaim() {
  const std::scoped_lock lock(mutex_);
  return static_cast<std::size_t>(written_ - PlayedAt(Clock::now())) * format_.nBlockAlign;
}

void SilentClock::Pause() {
  const std::scoped_lock lock(mutex_);
  if (paused_) return;
  playedBefore_ = PlayedAt(Clock::now());
  paused_ = true;
}

void SilentClock::Resume() {
  const std::scoped_lock lock(mutex_);
  if (!paused_) return;
  paused_ = false;
  since_ = Clock::now();
}

std::uint64_t SilentClock::PlayedSamples() const {
  const std::scoped_lock lock(mutex_);
  return PlayedAt(Clock::now());
}

}  // namespace sonorix
