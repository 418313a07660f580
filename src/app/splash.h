// The splash window's loading captions and the pause after each.
#pragma once

#include <string_view>
#include <vector>

namespace sonorix {

struct SplashStep {
  std::string_view caption;
  double pause;  // seconds
};

// "loading." to "loading...." three times over, then the hand-over captions.
std::vector<SplashStep> SplashSteps();

}  // namespace sonorix
