#include "ui/snap_to_edges.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace sonorix {
namespace {

// 1280 x 960 pixels at 15 twips a pixel; the player window's size.
constexpr TwipsSize kScreen{19200, 14400};
constexpr int kW = 2950;
constexpr int kH = 1515;

TwipsPoint RestingPlace(const TwipsPlace& window, const TwipsSize& screen = kScreen) {
  const auto path = SnapPath(window, screen);
  return path.empty() ? TwipsPoint{window.left, window.top} : path.back();
}

// Each position differs from the one before along one axis only, by one
// step, or by less for the last move that sets the window flush.
void ExpectStepsOfTen(const TwipsPlace& window, const std::vector<TwipsPoint>& path) {
  TwipsPoint before{window.left, window.top};
  for (const TwipsPoint& point : path) {
    const int dx = std::abs(point.left - before.left);
    const int dy = std::abs(point.top - before.top);
    EXPECT_TRUE((dx == 0) != (dy == 0)) << point.left << "," << point.top;
    EXPECT_LE(dx + dy, kSnapStepTwips) << point.left << "," << point.top;
    before = point;
  }
}

TEST(SnapToEdges, DocksToTheLeftEdgeOnlyWhenReleasedCloserThan400Twips) {
  const TwipsPlace at300{300, 5000, kW, kH};
  const auto path = SnapPath(at300, kScreen);
  ASSERT_EQ(path.size(), 30u);
  EXPECT_EQ(path.front(), (TwipsPoint{290, 5000}));
  EXPECT_EQ(path.back(), (TwipsPoint{0, 5000}));
  ExpectStepsOfTen(at300, path);

  EXPECT_TRUE(SnapPath({400, 5000, kW, kH}, kScreen).empty());
  EXPECT_EQ(RestingPlace({399, 5000, kW, kH}), (TwipsPoint{0, 5000}));
}

TEST(SnapToEdges, LeavesAWindowWellInsideTheScreenWhereItIs) {
  EXPECT_TRUE(SnapPath({5000, 5000, kW, kH}, kScreen).empty());
  EXPECT_TRUE(SnapPath({400, 400, kW, kH}, kScreen).empty());
  EXPECT_TRUE(
      SnapPath({kScreen.width - kW - 400, kScreen.height - kH - 400, kW, kH}, kScreen).empty());
}

TEST(SnapToEdges, BringsBackAWindowPartlyBeyondTheRightEdgeFlushWithIt) {
  const TwipsPlace beyond{kScreen.width - kW + 1000, 5000, kW, kH};
  const auto path = SnapPath(beyond, kScreen);
  ASSERT_EQ(path.size(), 100u);
  EXPECT_EQ(path.back(), (TwipsPoint{kScreen.width - kW, 5000}));
  ExpectStepsOfTen(beyond, path);
}

TEST(SnapToEdges, BringsBackWindowsBeyondTheOtherEdgesAndDocksThem) {
  EXPECT_EQ(RestingPlace({-700, 5000, kW, kH}), (TwipsPoint{0, 5000}));
  EXPECT_EQ(RestingPlace({5000, -300, kW, kH}), (TwipsPoint{5000, 0}));
  EXPECT_EQ(RestingPlace({5000, kScreen.height - 200, kW, kH}),
            (TwipsPoint{5000, kScreen.height - kH}));
}

TEST(SnapToEdges, DocksToTheRightAndBottomEdgesWhenNear) {
  const TwipsPlace nearRight{kScreen.width - kW - 395, 5000, kW, kH};
  const auto path = SnapPath(nearRight, kScreen);
  EXPECT_EQ(path.front(), (TwipsPoint{nearRight.left + 10, 5000}));
  EXPECT_EQ(path.back(), (TwipsPoint{kScreen.width - kW, 5000}));
  ExpectStepsOfTen(nearRight, path);

  EXPECT_EQ(RestingPlace({5000, kScreen.height - kH - 150, kW, kH}),
            (TwipsPoint{5000, kScreen.height - kH}));
  EXPECT_TRUE(SnapPath({5000, kScreen.height - kH - 400, kW, kH}, kScreen).empty());
}

TEST(SnapToEdges, DocksToBothEdgesOfACornerSlidingAcrossFirst) {
  const TwipsPlace nearCorner{100, 200, kW, kH};
  const auto path = SnapPath(nearCorner, kScreen);
  EXPECT_EQ(path.back(), (TwipsPoint{0, 0}));
  EXPECT_EQ(path[9], (TwipsPoint{0, 200}));
  ExpectStepsOfTen(nearCorner, path);

  EXPECT_EQ(RestingPlace({kScreen.width - kW + 50, kScreen.height - kH - 30, kW, kH}),
            (TwipsPoint{kScreen.width - kW, kScreen.height - kH}));
}

TEST(SnapToEdges, AWindowAsWideAsTheScreenEndsAtTheLeftEdgeWhereverItWasDropped) {
  for (const int left : {-5000, -5, 0, 150, 399, 400, 7000}) {
    const TwipsPlace wide{left, 5000, kScreen.width, kH};
    EXPECT_EQ(RestingPlace(wide), (TwipsPoint{0, 5000})) << left;
  }
  EXPECT_TRUE(SnapPath({0, 5000, kScreen.width, kH}, kScreen).empty());
}

TEST(SnapToEdges, EachStepStartsFromWhereTheWindowIsNow) {
  EdgeSnap snap;
  TwipsPlace window{300, 5000, kW, kH};
  EXPECT_EQ(snap.Next(window, kScreen), (TwipsPoint{290, 5000}));
  // A handler run between steps moved the window.
  window.left = 25;
  EXPECT_EQ(snap.Next(window, kScreen), (TwipsPoint{15, 5000}));
  window.left = 15;
  EXPECT_EQ(snap.Next(window, kScreen), (TwipsPoint{5, 5000}));
  window.left = 5;
  EXPECT_EQ(snap.Next(window, kScreen), (TwipsPoint{-5, 5000}));
  window.left = -5;
  EXPECT_EQ(snap.Next(window, kScreen), (TwipsPoint{0, 5000}));
  window.left = 0;
  EXPECT_EQ(snap.Next(window, kScreen), std::nullopt);
}

TEST(SnapToEdges, FollowsAScreenThatChangesDuringTheSlide) {
  EdgeSnap snap;
  TwipsPlace window{kScreen.width - kW - 100, 5000, kW, kH};
  EXPECT_EQ(snap.Next(window, kScreen), (TwipsPoint{window.left + 10, 5000}));
  window.left += 10;
  const TwipsSize narrower{kScreen.width - 80, kScreen.height};
  EXPECT_EQ(snap.Next(window, narrower), (TwipsPoint{narrower.width - kW, 5000}));
}

}  // namespace
}  // namespace sonorix
