#include "aol/integrity_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_window_tree.h"

namespace sonorix {
namespace {

using testing::FakeWindowTree;

struct FakeLevels final : IntegrityLevels {
  bool Outranks(WindowRef window) override {
    asked.push_back(window);
    return clientHigher;
  }
  bool clientHigher = false;
  std::vector<WindowRef> asked;
};

struct CheckRig {
  FakeWindowTree tree;
  FakeLevels levels;
  std::vector<std::string> warnings;
  ClientIntegrityCheck check{tree, levels,
                             [this](std::string_view warning) { warnings.emplace_back(warning); }};
};

// Nothing is compared before the client is there; once its frame is found
// the levels are compared once, and a client above this program is told
// of once, however often the scan comes by.
TEST(ClientIntegrityCheck, AClientRunAboveThisProgramIsToldOfOnceWhenFirstFound) {
  CheckRig rig;
  rig.levels.clientHigher = true;
  rig.check.Poll();
  EXPECT_TRUE(rig.levels.asked.empty()) << "no client yet";
  const WindowRef frame = rig.tree.AddTopLevel("AOL Frame25");
  for (int i = 0; i < 3; ++i) rig.check.Poll();
  EXPECT_EQ(rig.levels.asked, std::vector<WindowRef>{frame});
  ASSERT_EQ(rig.warnings.size(), 1u);
  EXPECT_EQ(rig.warnings[0], ClientIntegrityCheck::kWarning);
  EXPECT_NE(rig.warnings[0].find("both as administrator, or neither"), std::string::npos);
}

TEST(ClientIntegrityCheck, AClientAtThisProgramsLevelIsNotToldOf) {
  CheckRig rig;
  rig.tree.AddTopLevel("AOL Frame25");
  rig.check.Poll();
  rig.check.Poll();
  EXPECT_EQ(rig.levels.asked.size(), 1u);
  EXPECT_TRUE(rig.warnings.empty());
}

}  // namespace
}  // namespace sonorix
