#include "look/remove_duplicates.h"

#include <gtest/gtest.h>

namespace sonorix {
namespace {

using Items = std::vector<std::string>;

// The first of names differing only in case stays in its place; names
// holding wildcard characters are names like any other.
TEST(RemoveDuplicates, KeepsTheFirstOfEachNameInItsPlace) {
  const std::pair<Items, Items> cases[] = {
      {{"a", "B", "A", "b"}, {"a", "B"}},
      {{"night", "default", "Neon", "day"}, {"night", "default", "Neon", "day"}},
      {{"blue", "b*", "red", "B*"}, {"blue", "b*", "red"}},
      {{"*", "x", "?", "y"}, {"*", "x", "?", "y"}},
      {{"v1", "v#", "[a-z]", "q", "[A-Z]"}, {"v1", "v#", "[a-z]", "q"}},
      {{"", "a", ""}, {"", "a"}},
      {{}, {}},
      {{"x"}, {"x"}}};
  for (auto [items, expected] : cases) {
    RemoveDuplicates(items);
    EXPECT_EQ(items, expected);
  }
}

}  // namespace
}  // namespace sonorix
