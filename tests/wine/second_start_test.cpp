#include <gtest/gtest.h>

#include <chrono>

#include "core/win32/code_page.h"
#include "testutil.h"
#include "wine/installed_program.h"
#include "wine/program_fixture.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using namespace sonorix::testing;

using SecondStartTest = ProgramTest;

TEST_F(SecondStartTest, TheRunningPlayerComesBackFromTheTray) {
  StartWith({{"cbr128.mp3", "one.mp3"}});
  ASSERT_TRUE(app_->Tray().TrayAdd(LoadIconA(nullptr, IDI_APPLICATION), "Sonorix", Player()));
  ASSERT_FALSE(IsWindowVisible(Player()));
  SendMessageW(Player(), PlayerWindow::BringForwardMessage(), 0, 0);
  EXPECT_TRUE(IsWindowVisible(Player()));
  EXPECT_FALSE(app_->Tray().Added()) << "the icon stood in for the hidden player only";
}

// Both starts are the real program, each its own process. Once the second
// has ended, whatever it could have typed is in the room.
TEST(SecondStart, LeavesTheRoomToTheRunningPlayerAndEndsWithExitCodeZero) {
  const AolSimProcess client("--name \"Dorvin Q\" --room Lobby");
  ASSERT_TRUE(client.Started());
  const ProgramFolder folder(MakeMusicFolder({{"cbr128.mp3", "one.mp3"}}));
  const std::wstring exe = Utf8ToWide(Quoted(folder.InstallExe("Sonorix.exe")));
  const ChildProcess first(exe);
  ASSERT_TRUE(WaitUntil([&] { return client.SentLines().size() == 2; }, 60s));
  const HWND player = InstalledSonorix::WaitForWindow(PlayerWindow::kClassName, L"Sonorix");
  ASSERT_NE(player, nullptr);
  ShowWindow(player, SW_HIDE);
  ASSERT_FALSE(IsWindowVisible(player));

  const ChildProcess second(exe);
  DWORD exitCode = 1;
  ASSERT_TRUE(second.Ended(60s, &exitCode));
  EXPECT_EQ(exitCode, 0u);
  EXPECT_TRUE(IsWindowVisible(player)) << "the running player came forward";
  EXPECT_EQ(client.SentLines().size(), 2u) << "one banner and summary";

  ASSERT_TRUE(client.Command("type time"));
  ASSERT_TRUE(WaitUntil([&] { return client.SentLines().size() >= 4; }, 20s));
  ASSERT_TRUE(client.Command("type date"));
  ASSERT_TRUE(WaitUntil([&] { return client.SentLines().size() >= 6; }, 20s));
  const auto lines = client.SentLines();
  ASSERT_EQ(lines.size(), 6u) << "one answer to each command";
  EXPECT_EQ(lines[2], "time");
  EXPECT_EQ(lines[4], "date");
  EXPECT_FALSE(first.Ended(0ms)) << "the first player plays on";
}

}  // namespace
}  // namespace sonorix
