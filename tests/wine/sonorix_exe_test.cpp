#include <gtest/gtest.h>

#include <chrono>

#include "core/win32/code_page.h"
#include "chattext/announcements.h"
#include "testutil.h"
#include "wine/aolsim_process.h"
#include "wine/program_folder.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using namespace sonorix::testing;

const Style kStyle{"sonorix", "sonorix", kTestAcolor, kTestAscii, kTestFcolor};

TEST(SonorixExe, AnnouncesItselfAndSaysGoodbyeWhenClosed) {
  AolSimProcess client("--name Dorvin --room Lobby");
  ASSERT_TRUE(client.Started());
  const ProgramFolder folder(MakeMusicFolder({{"cbr128.mp3", "one.mp3"}, {"mono.mp3", "two.mp3"}}));
  std::string commandLine = Quoted(folder.InstallExe("Sonorix.exe"));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &process));

  ASSERT_TRUE(WaitUntil([&] { return client.SentLines().size() >= 2; }, 60s));
  const auto start = client.SentLines();
  EXPECT_EQ(start[0], Utf8ToAnsi(StartupBanner(kStyle)));
  EXPECT_EQ(start[1], Utf8ToAnsi(SummaryLine(kStyle, 2, "default", "sonorix")));

  // The player shows itself once its load, announcements included, is done.
  HWND player = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] { return (player = FindWindowA("Sonorix Player", "Sonorix")) && IsWindowVisible(player); },
      10s));
  const HWND close = FindWindowExA(player, nullptr, "Button", "&close");
  ASSERT_NE(close, nullptr);
  PostMessageA(close, BM_CLICK, 0, 0);

  EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  const auto lines = client.SentLines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2], Utf8ToAnsi(ClosingBanner(kStyle)));
  EXPECT_EQ(lines[3], lines[1]);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
}  // namespace sonorix
