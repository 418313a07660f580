#include "bot/transcript_follower.h"

#include <gtest/gtest.h>

namespace sonorix {
namespace {

using Lines = std::vector<std::string>;

TEST(TranscriptFollower, ReportsOnlyLinesAddedSinceTheBaseline) {
  TranscriptFollower follower;
  follower.Reset("A:\told\r\n");
  EXPECT_EQ(follower.Advance("A:\told\r\n"), Lines{});
  EXPECT_EQ(follower.Advance("A:\told\r\nB:\tnew\r\nA:\tnewer\r\n"),
            (Lines{"B:\tnew", "A:\tnewer"}));
  EXPECT_EQ(follower.Advance("A:\told\r\nB:\tnew\r\nA:\tnewer\r\n"), Lines{});
}

TEST(TranscriptFollower, LinesDroppedFromTheTopAreNotMistakenForNewOnes) {
  TranscriptFollower follower;
  follower.Reset("1\r\n2\r\n3\r\n4\r\n");
  EXPECT_EQ(follower.Advance("3\r\n4\r\n5\r\n"), Lines{"5"});
  EXPECT_EQ(follower.Advance("4\r\n5\r\n"), Lines{});
}

TEST(TranscriptFollower, RepeatedLinesAreEachReported) {
  TranscriptFollower follower;
  follower.Reset("x\r\n");
  EXPECT_EQ(follower.Advance("x\r\nx\r\n"), Lines{"x"});
  EXPECT_EQ(follower.Advance("x\r\nx\r\nx\r\nx\r\n"), (Lines{"x", "x"}));
}

TEST(TranscriptFollower, AnEmptiedTranscriptStartsAfresh) {
  TranscriptFollower follower;
  follower.Reset("A:\tcc\r\n");
  EXPECT_EQ(follower.Advance(""), Lines{});
  EXPECT_EQ(follower.Advance("A:\treply\r\n"), Lines{"A:\treply"});
  follower.Reset("B:\tsomething\r\n");
  EXPECT_EQ(follower.Advance("A:\tcleared and replaced\r\n"), Lines{"A:\tcleared and replaced"});
}

TEST(TranscriptFollower, AHalfWrittenLineWaitsForItsEnd) {
  TranscriptFollower follower;
  follower.Reset("a\r\npart");
  EXPECT_EQ(follower.Advance("a\r\npartial\r\n"), Lines{"partial"});
  EXPECT_EQ(follower.Advance("a\r\npartial\r\nnext"), Lines{});
  EXPECT_EQ(follower.Advance("a\r\npartial\r\nnext line\r\n"), Lines{"next line"});
}

TEST(SplitTranscriptLine, SplitsAtTheFirstColonAndTab) {
  const auto event = SplitTranscriptLine("Dorvin Q:\tp song: remix\t2");
  EXPECT_EQ(event.screenName, "Dorvin Q");
  EXPECT_EQ(event.text, "p song: remix\t2");
  const auto odd = SplitTranscriptLine("OnlineHost: no tab here");
  EXPECT_EQ(odd.screenName, "");
  EXPECT_EQ(odd.text, "OnlineHost: no tab here");
  EXPECT_EQ(SplitTranscriptLine("Bob:\t").text, "");
}

}  // namespace
}  // namespace sonorix
