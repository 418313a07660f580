#include "app/splash.h"

#include <gtest/gtest.h>

namespace sonorix {
namespace {

TEST(SplashSteps, TwelveLoadingCaptionsThenTheHandOver) {
  const auto steps = SplashSteps();
  ASSERT_EQ(steps.size(), 15u);
  for (std::size_t i = 0; i < 12; ++i) {
    EXPECT_EQ(steps[i].caption, std::string("loading.") + std::string(i % 4, '.'));
    EXPECT_EQ(steps[i].pause, 0.3);
  }
  EXPECT_EQ(steps[12].caption, "loaded!");
  EXPECT_EQ(steps[13].caption, "showing player");
  EXPECT_EQ(steps[14].caption, "peace out, yo");
  EXPECT_EQ(steps[14].pause, 0.3);
}

}  // namespace
}  // namespace sonorix
