// Time, and waiting while the program's windows stay alive.
#pragma once

#include <string>

namespace sonorix {

class Clock {
 public:
  virtual ~Clock() = default;
  // Seconds on a monotonic clock: waits never stall across midnight.
  virtual double Seconds() const = 0;
  // Returns after at least the given seconds, handling window events
  // meanwhile, so other handlers may run inside the wait.
  virtual void Pause(double seconds) = 0;
  // Today's date in the system's short date format, and the time of day in
  // its long time format.
  virtual std::string ShortDateText() const = 0;
  virtual std::string LongTimeText() const = 0;

  // The program is ending: from now on every wait returns at once, the one
  // running included, so no handler keeps the program alive to the end of
  // a wait for a client that may never answer.
  void EndWaits() { waitsEnded_ = true; }
  bool WaitsEnded() const { return waitsEnded_; }

 private:
  bool waitsEnded_ = false;
};

}  // namespace sonorix
