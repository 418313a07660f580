// The left-to-right gradient behind every window's title strip.
#pragma once

#include <vector>

#include "core/colour.h"

namespace sonorix {

// The colour of each pixel column 0 .. width-1 of a gradient from c1 to c2.
// Each column is one step further than the last, the first already three
// steps in, so the right edge overshoots c2 slightly and clamps at 255;
// steps are single-precision, rounded half to even. Empty for width < 1.
std::vector<Colour> FadeColumns(Colour c1, Colour c2, int width);

}  // namespace sonorix
