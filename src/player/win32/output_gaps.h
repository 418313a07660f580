// How often the output ran out of sound while more was to come, and how long each silence lasted:
// from the moment the last queued buffer was seen played out to the moment the next sound was
// heard, which a new device can leave well after the write.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>

namespace sonorix {

// Shared by the player's thread and the decoding threads.
class OutputGaps {
 public:
  using Clock = std::chrono::steady_clock;
  struct Figures {
    std::uint64_t count = 0;
    double seconds = 0;
  };

  // The output has nothing left to play.
  void RanDry(Clock::time_point at) {
    const std::scoped_lock lock(mutex_);
    if (!dryFrom_) dryFrom_ = at;
  }
  // Sound began again at `at`: the end of the first buffer played since, less its length.
  void Heard(Clock::time_point at) {
    const std::scoped_lock lock(mutex_);
    if (!dryFrom_) return;
    ++total_.count;
    total_.seconds += std::max(0.0, std::chrono::duration<double>(at - *dryFrom_).count());
    dryFrom_.reset();
  }
  // Silence asked for (a stop, a song started by hand) is no gap.
  void Forget() {
    const std::scoped_lock lock(mutex_);
    dryFrom_.reset();
  }
  Figures Total() const {
    const std::scoped_lock lock(mutex_);
    return total_;
  }

 private:
  mutable std::mutex mutex_;
  std::optional<Clock::time_point> dryFrom_;
  Figures total_;
};

}  // namespace sonorix
