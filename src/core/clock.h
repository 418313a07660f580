// Time, and waiting while the program's windows stay alive.
#pragma once

namespace sonorix {

class Clock {
 public:
  virtual ~Clock() = default;
  // Seconds on a monotonic clock: waits never stall across midnight.
  virtual double Seconds() const = 0;
  // Returns after at least the given seconds, handling window events
  // meanwhile, so other handlers may run inside the wait.
  virtual void Pause(double seconds) = 0;
};

}  // namespace sonorix
