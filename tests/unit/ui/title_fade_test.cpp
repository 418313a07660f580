#include "ui/title_fade.h"

#include <gtest/gtest.h>

namespace sonorix {
namespace {

TEST(FadeColumns, BlackToWhiteOvershootsAndClampsAtTheRightEdge) {
  const auto columns = FadeColumns(Colour::FromRgb(0, 0, 0), Colour::FromRgb(255, 255, 255), 100);
  ASSERT_EQ(columns.size(), 100u);
  EXPECT_EQ(columns.front(), Colour::FromRgb(8, 8, 8));       // three steps of 2.55: 7.65
  EXPECT_EQ(columns[50], Colour::FromRgb(135, 135, 135));     // 53 steps: 135.15
  EXPECT_EQ(columns.back(), Colour::FromRgb(255, 255, 255));  // 102 steps: 260.1
  for (std::size_t i = 1; i < columns.size(); ++i) {
    EXPECT_GE(columns[i].Red(), columns[i - 1].Red());
  }
}

TEST(FadeColumns, EqualEndsPaintFlatFallingChannelsStopAtZeroNoWidthNoColumns) {
  const Colour teal = Colour::FromRgb(0, 128, 128);
  for (const Colour column : FadeColumns(teal, teal, 37)) EXPECT_EQ(column, teal);
  const auto falling = FadeColumns(Colour::FromRgb(255, 0, 10), Colour::FromRgb(0, 0, 0), 50);
  EXPECT_EQ(falling.back(), Colour::FromRgb(0, 0, 0));
  EXPECT_EQ(falling.front().Red(), 240);  // 255 - 3 * 5.1 = 239.7
  EXPECT_TRUE(FadeColumns({}, {}, 0).empty());
  EXPECT_TRUE(FadeColumns({}, {}, -5).empty());
  EXPECT_EQ(FadeColumns({}, Colour::FromRgb(255, 0, 0), 1).size(), 1u);
}

}  // namespace
}  // namespace sonorix
