// The installed program's windows at 100 %, 150 % and 200 % display scale:
// installer_test.sh sets the prefix's DPI and names it in SONORIX_TEST_DPI.
// The command list and the About box are measured in-process
// (program_resources_test.cpp).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "testutil.h"
#include "wine/aolsim_process.h"
#include "wine/installed_program.h"
#include "wine/program_folder.h"
#include "wine/scale.h"

namespace sonorix::testing {
namespace {

using namespace std::chrono_literals;

// Only installer_test.sh sets the scale; other runs have no installed program.
class ProgramAtScale : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("SONORIX_TEST_DPI") == nullptr)
      GTEST_SKIP() << "installer_test.sh sets the scale";
  }
};

TEST_F(ProgramAtScale, WindowsKeepTheirSizesInTwips) {
  AolSimProcess client("--name Dorvin --room Lobby");
  ASSERT_TRUE(client.Started());
  InstalledSonorix sonorix(
      MakeMusicFolder({{"cbr128.mp3", "one song.mp3"}, {"mono.mp3", "two song.mp3"}}));
  ExpectTwipSize(InstalledSonorix::WaitForWindow(L"Sonorix Splash", nullptr), 3000, 1485, "splash");
  ExpectTwipSizeOrLarger(InstalledSonorix::WaitForWindow(L"Sonorix Player", L"Sonorix"), 2950, 1515,
                         "player");
  ASSERT_TRUE(WaitUntil([&] { return client.SentLines().size() >= 2; }, 30s));

  ASSERT_TRUE(client.Command("type p song"));
  ASSERT_TRUE(WaitUntil([&] { return client.SentLines().size() >= 4; }, 30s)) << "two matches";
  ASSERT_TRUE(client.Command("type /view"));
  ExpectTwipSize(InstalledSonorix::WaitForWindow(nullptr, L"multi search view"), 3600, 2400,
                 "result window");
}

}  // namespace
}  // namespace sonorix::testing
