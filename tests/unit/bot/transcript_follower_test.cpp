#include "bot/transcript_follower.h"

#include <gtest/gtest.h>

namespace sonorix {
namespace {

using Lines = std::vector<std::string>;

// One follower goes through every case, so each baseline also replaces
// whatever the case before left.
TEST(TranscriptFollower, ReportsOnlyWholeLinesAddedSinceTheBaseline) {
  struct Step {
    std::string transcript;
    Lines added;
  };
  const struct {
    const char* what;
    std::string baseline;
    std::vector<Step> steps;
  } cases[] = {
      {"new lines, once",
       "A:\told\r\n",
       {{"A:\told\r\n", {}},
        {"A:\told\r\nB:\tnew\r\nA:\tnewer\r\n", {"B:\tnew", "A:\tnewer"}},
        {"A:\told\r\nB:\tnew\r\nA:\tnewer\r\n", {}}}},
      {"lines dropped from the top",
       "1\r\n2\r\n3\r\n4\r\n",
       {{"3\r\n4\r\n5\r\n", {"5"}}, {"4\r\n5\r\n", {}}}},
      {"repeated lines", "x\r\n", {{"x\r\nx\r\n", {"x"}}, {"x\r\nx\r\nx\r\nx\r\n", {"x", "x"}}}},
      {"an emptied transcript", "A:\tcc\r\n", {{"", {}}, {"A:\treply\r\n", {"A:\treply"}}}},
      {"a replaced transcript",
       "B:\tsomething\r\n",
       {{"A:\tcleared and replaced\r\n", {"A:\tcleared and replaced"}}}},
      {"a half-written line",
       "a\r\npart",
       {{"a\r\npartial\r\n", {"partial"}},
        {"a\r\npartial\r\nnext", {}},
        {"a\r\npartial\r\nnext line\r\n", {"next line"}}}},
  };
  TranscriptFollower follower;
  for (const auto& c : cases) {
    follower.Reset(c.baseline);
    for (const auto& step : c.steps)
      EXPECT_EQ(follower.Advance(step.transcript), step.added) << c.what;
  }
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
