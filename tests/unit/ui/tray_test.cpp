#include "ui/tray.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace sonorix {
namespace {

TEST(TrayMessage, AnswersLeftDoubleClickAndRightPressOnlyInPixels) {
  EXPECT_EQ(TrayMessage(0x203), kTrayLeftDoubleClick);
  EXPECT_EQ(TrayMessage(0x204), kTrayRightButtonDown);
  for (const double other : {0.0, 512.0, 513.0, 514.0, 517.0, 518.0, 519.0, 40.0, -515.0}) {
    EXPECT_EQ(TrayMessage(other), kTrayNothing) << other;
  }
}

TEST(TrayMessage, DividesTwipsByTheTwipsPerPixelAndRoundsWhenTheScaleMakesSense) {
  EXPECT_EQ(TrayMessage(515 * 15, 15), kTrayLeftDoubleClick);
  EXPECT_EQ(TrayMessage(516 * 15, 15), kTrayRightButtonDown);
  EXPECT_EQ(TrayMessage(515 * 15 + 7, 15), kTrayLeftDoubleClick);
  EXPECT_EQ(TrayMessage(516 * 15 - 7, 15), kTrayRightButtonDown);
  EXPECT_EQ(TrayMessage(515, 15), kTrayNothing);
  EXPECT_EQ(TrayMessage(514 * 15, 15), kTrayNothing);
  EXPECT_EQ(TrayMessage(515 * 12, 12), kTrayLeftDoubleClick);
  // A scale that cannot be reads as pixels; a coordinate that cannot be is no click.
  EXPECT_EQ(TrayMessage(515, 0), kTrayLeftDoubleClick);
  EXPECT_EQ(TrayMessage(516, -15), kTrayRightButtonDown);
  EXPECT_EQ(TrayMessage(NAN), kTrayNothing);
  EXPECT_EQ(TrayMessage(INFINITY, 15), kTrayNothing);
  EXPECT_EQ(TrayMessage(1e300), kTrayNothing);
}

TEST(TrayTip, KeepsTheFirst63CharactersNotBytes) {
  const std::string seventy = std::string(60, 'a') + "bcdefghijk";
  EXPECT_EQ(TrayTip(seventy), std::string(60, 'a') + "bcd");
  EXPECT_EQ(TrayTip(std::string(63, 'x')), std::string(63, 'x'));
  EXPECT_EQ(TrayTip(std::string(64, 'x')), std::string(63, 'x'));
  EXPECT_EQ(TrayTip("Sonorix"), "Sonorix");
  EXPECT_EQ(TrayTip(""), "");
  // Characters, not bytes:
  std::string accents;
  for (int i = 0; i < 70; ++i) accents += "\xC3\xA9";  // é
  std::string kept;
  for (int i = 0; i < 63; ++i) kept += "\xC3\xA9";
  EXPECT_EQ(TrayTip(accents), kept);
  EXPECT_EQ(TrayTip(std::string(62, 'a') + "\xE4\xB8\xAD" + "z"),
            std::string(62, 'a') + "\xE4\xB8\xAD");
}

}  // namespace
}  // namespace sonorix
