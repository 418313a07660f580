#include "look/remove_duplicates.h"

#include <gtest/gtest.h>

namespace sonorix {
namespace {

using Items = std::vector<std::string>;

// The first of names differing only in case stays; a name with wildcards
// goes when a name before it matches; distinct names keep their order.
TEST(RemoveDuplicates, KeepsTheFirstOfEachNameInItsPlace) {
  const std::pair<Items, Items> cases[] = {
      {{"a", "B", "A", "b"}, {"a", "B"}},
      {{"night", "default", "Neon", "day"}, {"night", "default", "Neon", "day"}},
      {{"blue", "b*", "red"}, {"blue", "red"}},
      {{}, {}},
      {{"x"}, {"x"}}};
  for (auto [items, expected] : cases) {
    RemoveDuplicates(items);
    EXPECT_EQ(items, expected);
  }
}

}  // namespace
}  // namespace sonorix
