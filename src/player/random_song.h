// The one way the program picks a song at random.
#pragma once

namespace sonorix {

class Randomness {
 public:
  virtual ~Randomness() = default;
  // A number u with 0 <= u < 1.
  virtual double Next() = 0;
};

// A whole number from 1 to n (n > 0): the whole part of n * u + 1. The
// caller selects position RandomSong(n) - 1, so every entry can come up and
// none beyond the list.
int RandomSong(int n, Randomness& random);

}  // namespace sonorix
