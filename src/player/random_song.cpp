#include "player/random_song.h"

#include <algorithm>
#include <cmath>

namespace sonorix {

int RandomSong(int n, Randomness& random) { return RandomSong(n, random.Next()); }

int RandomSong(int n, double u) {
  const auto drawn = static_cast<int>(std::floor(n * u + 1));
  // n * u can round up to n for u just below 1.
  return std::clamp(drawn, 1, std::max(n, 1));
}

}  // namespace sonorix
