#include "player/progress.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sonorix {

namespace {

// Ties to even, as the default floating-point rounding mode does.
double RoundHalfEven(double value) { return std::nearbyint(value); }

}  // namespace

int ProgressFillEnd(int width, double currentPosition, double duration) {
  const double position = std::floor(currentPosition);
  const double length = std::floor(duration);
  // Positions are held in 16 bits; a song that long shows no bar.
  if (length <= 0 || position < 0 || position > std::numeric_limits<short>::max()) return 0;
  const double end = RoundHalfEven(width * (position / length));
  return static_cast<int>(end) - 10;
}

unsigned ProgressLookDelay(double currentPosition) {
  constexpr double kSoonest = 10, kLatest = 250, kPast = 5;
  const double untilNext = (std::floor(currentPosition) + 1 - currentPosition) * 1000 + kPast;
  return static_cast<unsigned>(std::clamp(untilNext, kSoonest, kLatest));
}

double SeekTarget(int x, int width, double duration) {
  if (width <= 0) return -1;
  return RoundHalfEven(duration / width * x);
}

namespace {

std::string MinutesSeconds(double seconds) {
  const long whole = seconds > 0 ? static_cast<long>(seconds) : 0;
  const long rest = whole % 60;
  return std::to_string(whole / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

}  // namespace

std::string PositionText(double currentPosition, double duration) {
  return MinutesSeconds(currentPosition) + " of " + MinutesSeconds(duration);
}

}  // namespace sonorix
