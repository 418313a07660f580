#include "player/song_names.h"

#include <gtest/gtest.h>

#include <string>

namespace sonorix {
namespace {

using Positions = std::vector<int>;

TEST(SongNames, HoldsNamesInOrderAndNothingOutside) {
  const SongNames names({"b.mp3", "Bj\xC3\xB6rk \xE4\xB8\xAD.mp3", ""});
  EXPECT_EQ(names.Count(), 3);
  EXPECT_EQ(names.Name(0), "b.mp3");
  EXPECT_EQ(names.Name(1), "Bj\xC3\xB6rk \xE4\xB8\xAD.mp3");
  EXPECT_EQ(names.Name(2), "");
  EXPECT_EQ(names.Name(-1), "");
  EXPECT_EQ(names.Name(3), "");
  EXPECT_EQ(SongNames().Count(), 0);
}

TEST(SongNames, FindsOnlyTheWholeName) {
  const SongNames names({"ba.mp3", "a.mp3", "a.mp3"});
  EXPECT_EQ(names.Find("a.mp3"), 1) << "not the name that merely holds it";
  EXPECT_EQ(names.Find("A.mp3"), -1);
  EXPECT_EQ(names.Find("a"), -1);
}

// Each name counts once, however often it holds the text, and a hit never
// joins the end of one name to the start of the next.
TEST(SongNames, ContainingIgnoresCaseAndCountsEachNameOnce) {
  const SongNames names(
      {"Love Love Me.mp3", "ab.mp3", "cd.mp3", "\xC3\x89t\xC3\xA9.mp3", "LOVE.mp3"});
  EXPECT_EQ(names.Containing("love", false), (Positions{0, 4}));
  EXPECT_EQ(names.Containing("mp3cd", false), Positions{});
  EXPECT_EQ(names.Containing("3\nc", false), Positions{}) << "a line break is in no name";
  EXPECT_EQ(names.Containing("\xC3\xA9T\xC3\x89", false), Positions{3}) << "two-byte letters fold";
  EXPECT_EQ(names.Containing("LOVE.MP3", false), Positions{4});
  EXPECT_EQ(SongNames({"\xC3\xBC.mp3", "\xC3\xA9.mp3"}).Containing("\xC3\x89", false), Positions{1})
      << "letters beyond ASCII are told apart";
}

TEST(SongNames, BlanksCountOnlyWhenAsked) {
  const SongNames names({"Love Song.mp3", "LoveSong.mp3", "love  song 2.mp3"});
  EXPECT_EQ(names.Containing("love song", false), Positions{0});
  EXPECT_EQ(names.Containing("love song", true), (Positions{0, 1, 2}));
  EXPECT_EQ(names.Containing("ves o", true), (Positions{0, 1, 2}));
}

TEST(SongNames, AnEmptySearchHoldsEveryNameAndAnEmptyListNone) {
  EXPECT_EQ(SongNames({"a.mp3", "b.mp3"}).Containing("", false), (Positions{0, 1}));
  EXPECT_EQ(SongNames({"a.mp3", "b.mp3"}).Containing("  ", true), (Positions{0, 1}));
  EXPECT_EQ(SongNames().Containing("", false), Positions{});
}

// A search reads the names a few thousand at a time: every name is read
// once, those at the seams included, and positions stay those of the list.
TEST(SongNames, ContainingReadsEveryNameOfALargeList) {
  SongNames names;
  for (int i = 0; i < 10'000; ++i) names.Add("Track " + std::to_string(i) + ".mp3");
  Positions wanted;
  for (int i = 0; i < 10'000; ++i) {
    if (std::to_string(i).ends_with("47")) wanted.push_back(i);
  }
  EXPECT_EQ(names.Containing("47.MP3", false), wanted);
  EXPECT_EQ(names.Containing("", false).size(), 10'000u);
  EXPECT_EQ(names.Containing("k9999.", true), Positions{9999});
}

}  // namespace
}  // namespace sonorix
