#include "chattext/command_registry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sonorix {
namespace {

// Byte order, not a locale's: "r * ..." comes before "r : ...".
TEST(CommandRegistry, TheListShowsAllButTheChoiceCommandsSortedByTheirBytes) {
  const std::vector<std::string_view>& lines = CommandListLines();
  EXPECT_EQ(lines.size(), 40u);
  EXPECT_EQ(lines.front(), "adv : advertise this");
  EXPECT_EQ(lines.back(), "xsty : hide styles");
  for (const auto& [first, second] :
       {std::pair<std::string_view, std::string_view>{"brb * : same as brb but with reas",
                                                      "brb : tells everyone be right back"},
        {"r * : plays random mp3 string", "r : plays random mp3"},
        {"rr * rewind x:xx or x as in sec", "rst : restarts mp3"}}) {
    const auto at = std::find(lines.begin(), lines.end(), first);
    ASSERT_NE(at, lines.end()) << first;
    ASSERT_NE(at + 1, lines.end()) << first;
    EXPECT_EQ(at[1], second);
  }
  EXPECT_TRUE(std::none_of(lines.begin(), lines.end(),
                           [](std::string_view line) { return line.starts_with("/"); }));
}

}  // namespace
}  // namespace sonorix
