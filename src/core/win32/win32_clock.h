// The clock and the wait of the Windows program.
#pragma once

#include "core/clock.h"

namespace sonorix {

class Win32Clock final : public Clock {
 public:
  double Seconds() const override;
  // Sleeps between messages rather than spinning, and gives up early when
  // the program is ending, so no handler keeps it alive.
  void Pause(double seconds) override;
  std::string ShortDateText() const override;
  std::string LongTimeText() const override;
};

}  // namespace sonorix
