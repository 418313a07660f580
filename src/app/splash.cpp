#include "app/splash.h"

namespace sonorix {

std::vector<SplashStep> SplashSteps() {
  std::vector<SplashStep> steps;
  for (int round = 0; round < 3; ++round) {
    for (const std::string_view dots : {"loading.", "loading..", "loading...", "loading...."}) {
      steps.push_back({dots, 0.3});
    }
  }
  steps.push_back({"loaded!", 0.5});
  steps.push_back({"showing player", 0.5});
  steps.push_back({"peace out, yo", 0.3});
  return steps;
}

}  // namespace sonorix
