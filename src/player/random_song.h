// The one way the program picks a song at random.
#pragma once

#include <random>

namespace sonorix {

class Randomness {
 public:
  virtual ~Randomness() = default;
  // A number u with 0 <= u < 1.
  virtual double Next() = 0;
};

// The program's randomness: seeded once from the system's entropy source.
class StdRandomness final : public Randomness {
 public:
  StdRandomness() : engine_(std::random_device{}()) {}
  double Next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

 private:
  std::mt19937_64 engine_;
};

// A whole number from 1 to n (n > 0): the whole part of n * u + 1. The
// caller selects position RandomSong(n) - 1, so every entry can come up and
// none beyond the list.
int RandomSong(int n, Randomness& random);
// The same for a number u drawn beforehand.
int RandomSong(int n, double u);

}  // namespace sonorix
