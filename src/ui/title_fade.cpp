#include "ui/title_fade.h"

#include <algorithm>
#include <cmath>

namespace sonorix {

namespace {

struct Channel {
  float value;
  float step;

  // Advances one column; the running value never goes below 0.
  std::uint8_t Next() {
    value += step;
    if (value < 0) value = 0;
    return static_cast<std::uint8_t>(std::min(std::nearbyint(value), 255.0f));
  }
};

Channel MakeChannel(std::uint8_t from, std::uint8_t to, int width) {
  return Channel{static_cast<float>(from),
                 static_cast<float>(to - from) / static_cast<float>(width)};
}

}  // namespace

std::vector<Colour> FadeColumns(Colour c1, Colour c2, int width) {
  std::vector<Colour> columns;
  if (width < 1) return columns;
  columns.reserve(static_cast<std::size_t>(width));
  Channel red = MakeChannel(c1.Red(), c2.Red(), width);
  Channel green = MakeChannel(c1.Green(), c2.Green(), width);
  Channel blue = MakeChannel(c1.Blue(), c2.Blue(), width);
  // Step x paints column x - 2; columns -2 and -1 fall outside the strip.
  for (int x = 0; x <= width + 1; ++x) {
    const Colour colour = Colour::FromRgb(red.Next(), green.Next(), blue.Next());
    if (x >= 2) columns.push_back(colour);
  }
  return columns;
}

}  // namespace sonorix
