#include "look/remove_duplicates.h"

#include <gtest/gtest.h>

namespace sonorix {
namespace {

using Items = std::vector<std::string>;

TEST(RemoveDuplicates, KeepsTheFirstOfNamesDifferingOnlyInCase) {
  Items items{"a", "B", "A", "b"};
  RemoveDuplicates(items);
  EXPECT_EQ(items, (Items{"a", "B"}));
}

TEST(RemoveDuplicates, LeavesDistinctNamesInTheirOrder) {
  Items items{"night", "default", "Neon", "day"};
  RemoveDuplicates(items);
  EXPECT_EQ(items, (Items{"night", "default", "Neon", "day"}));
}

TEST(RemoveDuplicates, ANameWithWildcardsIsRemovedByNamesItMatches) {
  Items items{"blue", "b*", "red"};
  RemoveDuplicates(items);
  EXPECT_EQ(items, (Items{"blue", "red"}));
}

TEST(RemoveDuplicates, EmptyAndSingleListsStayAsTheyAre) {
  Items none;
  RemoveDuplicates(none);
  EXPECT_TRUE(none.empty());
  Items one{"x"};
  RemoveDuplicates(one);
  EXPECT_EQ(one, Items{"x"});
}

}  // namespace
}  // namespace sonorix
