// The progress bar: its timer, and the arithmetic of one repaint.
#pragma once

#include <string>

namespace sonorix {

// The progress timer and the bar it repaints.
class ProgressDisplay {
 public:
  virtual ~ProgressDisplay() = default;
  // Enables the timer; the bar follows the song from the next tick.
  virtual void Start() = 0;
  // Disables the timer and repaints the bar area in the button-face colour.
  virtual void StopAndClear() = 0;
};

// Where the bar's fill ends, in the bar's own units (twips), for a bar of the
// given width: the played fraction in whole seconds, rounded half to even,
// then 10 units short. At most 0 means no visible bar; so does a length of 0.
int ProgressFillEnd(int width, double currentPosition, double duration);

// Milliseconds from a look at the bar at the position to the next one: the
// bar only changes as the song passes a whole second, so the next look
// falls just after that, and no later than a quarter second.
unsigned ProgressLookDelay(double currentPosition);

// Where a press at x on a bar of the given width seeks to: whole seconds,
// rounded half to even. Nothing (a negative result) for a bar of no width.
double SeekTarget(int x, int width, double duration);

// The bar's position as a screen reader says it, in whole seconds:
// "1:23 of 3:45".
std::string PositionText(double currentPosition, double duration);

}  // namespace sonorix
