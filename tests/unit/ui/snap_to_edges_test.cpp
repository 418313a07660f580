#include "ui/snap_to_edges.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace sonorix {
namespace {

// 1280 x 960 pixels at 15 twips a pixel; the player window's size.
constexpr TwipsPlace kScreen{0, 0, 19200, 14400};
constexpr int kW = 2950;
constexpr int kH = 1515;

TwipsPoint RestingPlace(const TwipsPlace& window, const TwipsPlace& screen = kScreen) {
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

// Back onto the screen, then flush with every edge it was left within 400
// twips of; a window as wide as the screen always ends at the left edge.
TEST(SnapToEdges, ComesToRestOnTheScreenDockedToTheEdgesItIsNear) {
  constexpr int kW2 = kScreen.width - kW, kH2 = kScreen.height - kH;
  const std::pair<TwipsPlace, TwipsPoint> cases[] = {
      {{300, 5000, kW, kH}, {0, 5000}},
      {{399, 5000, kW, kH}, {0, 5000}},
      {{400, 5000, kW, kH}, {400, 5000}},
      {{5000, 5000, kW, kH}, {5000, 5000}},
      {{400, 400, kW, kH}, {400, 400}},
      {{kW2 - 400, kH2 - 400, kW, kH}, {kW2 - 400, kH2 - 400}},
      {{kW2 + 1000, 5000, kW, kH}, {kW2, 5000}},
      {{-700, 5000, kW, kH}, {0, 5000}},
      {{5000, -300, kW, kH}, {5000, 0}},
      {{5000, kScreen.height - 200, kW, kH}, {5000, kH2}},
      {{kW2 - 395, 5000, kW, kH}, {kW2, 5000}},
      {{5000, kH2 - 150, kW, kH}, {5000, kH2}},
      {{5000, kH2 - 400, kW, kH}, {5000, kH2 - 400}},
      {{100, 200, kW, kH}, {0, 0}},
      {{kW2 + 50, kH2 - 30, kW, kH}, {kW2, kH2}}};
  for (const auto& [window, rest] : cases) {
    const auto path = SnapPath(window, kScreen);
    EXPECT_EQ(RestingPlace(window), rest) << window.left << "," << window.top;
    ExpectStepsOfTen(window, path);
  }
  for (const int left : {-5000, -5, 0, 150, 399, 400, 7000}) {
    EXPECT_EQ(RestingPlace({left, 5000, kScreen.width, kH}), (TwipsPoint{0, 5000})) << left;
  }
  EXPECT_TRUE(SnapPath({0, 5000, kScreen.width, kH}, kScreen).empty());
}

TEST(SnapToEdges, SlidesTenTwipsAStepAcrossBeforeDown) {
  const auto left = SnapPath({300, 5000, kW, kH}, kScreen);
  ASSERT_EQ(left.size(), 30u);
  EXPECT_EQ(left.front(), (TwipsPoint{290, 5000}));
  EXPECT_EQ(SnapPath({kScreen.width - kW + 1000, 5000, kW, kH}, kScreen).size(), 100u);
  EXPECT_EQ(SnapPath({kScreen.width - kW - 395, 5000, kW, kH}, kScreen).front(),
            (TwipsPoint{kScreen.width - kW - 395 + 10, 5000}));
  EXPECT_EQ(SnapPath({100, 200, kW, kH}, kScreen)[9], (TwipsPoint{0, 200})) << "the corner";
}

TEST(SnapToEdges, EachStepStartsFromWhereTheWindowIsNow) {
  EdgeSnap snap;
  TwipsPlace window{300, 5000, kW, kH};
  EXPECT_EQ(snap.Next(window, kScreen), (TwipsPoint{290, 5000}));
  // A handler run between steps moved the window to `from`.
  for (const auto& [from, to] : {std::pair{25, 15}, {15, 5}, {5, -5}, {-5, 0}}) {
    window.left = from;
    EXPECT_EQ(snap.Next(window, kScreen), (TwipsPoint{to, 5000})) << from;
  }
  window.left = 0;
  EXPECT_EQ(snap.Next(window, kScreen), std::nullopt);
}

TEST(SnapToEdges, FollowsAScreenThatChangesDuringTheSlide) {
  EdgeSnap snap;
  TwipsPlace window{kScreen.width - kW - 100, 5000, kW, kH};
  EXPECT_EQ(snap.Next(window, kScreen), (TwipsPoint{window.left + 10, 5000}));
  window.left += 10;
  const TwipsPlace narrower{0, 0, kScreen.width - 80, kScreen.height};
  EXPECT_EQ(snap.Next(window, narrower), (TwipsPoint{narrower.width - kW, 5000}));
}

// A second monitor left of and below the first, its taskbar on the left:
// the window comes back onto that work area and docks to its edges, not
// to the first monitor's.
TEST(SnapToEdges, KeepsToAWorkAreaThatDoesNotStartAtTheOrigin) {
  constexpr TwipsPlace kArea{-19200 + 600, 1500, 19200 - 600, 14400 - 450};
  constexpr int kRight = kArea.left + kArea.width - kW;
  constexpr int kBottom = kArea.top + kArea.height - kH;
  const std::pair<TwipsPlace, TwipsPoint> cases[] = {
      {{-10000, 6000, kW, kH}, {-10000, 6000}},
      {{kArea.left - 700, 6000, kW, kH}, {kArea.left, 6000}},
      {{kArea.left + 300, 6000, kW, kH}, {kArea.left, 6000}},
      {{-10000, 1000, kW, kH}, {-10000, kArea.top}},
      {{-10000, kArea.top + 399, kW, kH}, {-10000, kArea.top}},
      {{500, 6000, kW, kH}, {kRight, 6000}},
      {{kRight - 200, kBottom - 100, kW, kH}, {kRight, kBottom}},
      {{-10000, 16000, kW, kH}, {-10000, kBottom}}};
  for (const auto& [window, rest] : cases) {
    EXPECT_EQ(RestingPlace(window, kArea), rest) << window.left << "," << window.top;
    ExpectStepsOfTen(window, SnapPath(window, kArea));
  }
}

}  // namespace
}  // namespace sonorix
