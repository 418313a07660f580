// The slide that brings a dropped window back onto the screen and docks it
// to a nearby edge; all in twips.
#pragma once

#include <optional>
#include <vector>

namespace sonorix {

struct TwipsPoint {
  int left = 0;
  int top = 0;
  friend bool operator==(const TwipsPoint&, const TwipsPoint&) = default;
};

struct TwipsPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// How far the window moves per step of a slide.
inline constexpr int kSnapStepTwips = 10;
// How close to an edge a window must be dropped to dock to it.
inline constexpr int kSnapDockTwips = 400;

// Eight checks run one after the other: the four that bring the window back
// onto the screen (left, top, bottom, right), then the four that dock it
// (left, top, right, bottom), each on the position the earlier ones left.
// A check that applies slides the window step by step and ends by setting
// it flush. The window and the area are read afresh at every step, since
// events handled between steps may change them. The area is the work area
// of the window's monitor: what the taskbar leaves of it, which on a second
// monitor starts anywhere, left of or above the first one too.
class EdgeSnap {
 public:
  // Where the window goes next, or nothing once it has reached its place.
  std::optional<TwipsPoint> Next(const TwipsPlace& window, const TwipsPlace& area);

 private:
  int check_ = 0;
  bool sliding_ = false;
};

// Every position a window passes through when nothing else moves it or
// changes the screen; the last one is where it rests. Empty when it stays.
std::vector<TwipsPoint> SnapPath(const TwipsPlace& window, const TwipsPlace& area);

}  // namespace sonorix
