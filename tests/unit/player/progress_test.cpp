#include "player/progress.h"

#include <gtest/gtest.h>

#include "fakes/fake_player_parts.h"
#include "player/random_song.h"

namespace sonorix {
namespace {

TEST(ProgressFillEnd, FollowsWholeSecondsAndStopsTenUnitsShort) {
  EXPECT_LE(ProgressFillEnd(2000, 0.9, 100), 0) << "no bar at position 0";
  EXPECT_EQ(ProgressFillEnd(2000, 50.7, 100.9), 990);
  EXPECT_EQ(ProgressFillEnd(2000, 100.2, 100.5), 1990) << "the end is 10 short of the edge";
}

TEST(ProgressFillEnd, RoundsHalvesToEven) {
  EXPECT_EQ(ProgressFillEnd(5, 1, 2), 2 - 10);  // 2.5 -> 2
  EXPECT_EQ(ProgressFillEnd(7, 1, 2), 4 - 10);  // 3.5 -> 4
}

TEST(ProgressFillEnd, ALengthOfZeroOrAHugePositionDrawsNoBar) {
  EXPECT_LE(ProgressFillEnd(2000, 0, 0), 0);
  EXPECT_LE(ProgressFillEnd(2000, 5, 0.9), 0);
  EXPECT_LE(ProgressFillEnd(2000, 40000, 50000), 0);
}

TEST(SeekTarget, IsTheFractionOfTheSongInWholeSeconds) {
  EXPECT_EQ(SeekTarget(0, 1000, 200.6), 0);
  EXPECT_EQ(SeekTarget(500, 1000, 200.6), 100);
  EXPECT_EQ(SeekTarget(1000, 1000, 3), 3);
  EXPECT_LT(SeekTarget(10, 0, 3), 0);
}

TEST(ProgressLookDelay, LooksJustAfterTheNextWholeSecondAndAtLeastFourTimesASecond) {
  EXPECT_EQ(ProgressLookDelay(2.9), 105u);
  EXPECT_EQ(ProgressLookDelay(2.999), 10u) << "no faster than the timer goes";
  EXPECT_EQ(ProgressLookDelay(3.0), 250u);
  EXPECT_EQ(ProgressLookDelay(0.5), 250u);
}

TEST(RandomSong, MapsTheUnitIntervalOntoOneToN) {
  testing::ScriptedRandomness random({0.0, 0.5, 0.9999999999999999});
  EXPECT_EQ(RandomSong(1, random), 1);
  EXPECT_EQ(RandomSong(1, random), 1);
  EXPECT_EQ(RandomSong(1, random), 1);
  EXPECT_EQ(RandomSong(4, random), 1);
  EXPECT_EQ(RandomSong(4, random), 3);
  EXPECT_EQ(RandomSong(1'000'000'007, random), 1'000'000'007);
}

// What a screen reader says of the bar: whole seconds, minutes unbounded.
TEST(PositionText, ReadsMinutesAndSecondsOfTheWholeSong) {
  EXPECT_EQ(PositionText(83.9, 225), "1:23 of 3:45");
  EXPECT_EQ(PositionText(0, 0), "0:00 of 0:00");
  EXPECT_EQ(PositionText(-1, 3725), "0:00 of 62:05");
}

}  // namespace
}  // namespace sonorix
