#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <thread>

#include "chattext/program_lines.h"
#include "testutil.h"
#include "wine/program_fixture.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using namespace sonorix::testing;

// Far above the deadline below: a wait left to run out cannot pass for an
// end at once.
constexpr double kMinute = 60;
constexpr auto kDeadline = 20s;

class QuitTest : public ProgramTest {
 protected:
  void SetUp() override {
    StartWith({{"cbr128.mp3", "one.mp3"}});
    app_->Bot()->Actions().SetWaits({kMinute, kMinute, kMinute, kMinute, kMinute});
    ASSERT_TRUE(client_.Command("ignore mail"));
  }

  // Types "omail" into a client that never opens the mail box and, once the
  // reply is in (from then on the program waits on the client: its menu,
  // then the mail box), ends the program from another thread, as the user
  // or the system would. True if the program's loop returned by the
  // deadline.
  bool QuitWhileWaitingForMail(const std::function<void()>& quit) {
    before_ = Sent().size();
    EXPECT_TRUE(client_.Command("type omail"));
    std::atomic<bool> ended = false;
    std::thread quitter([&] {
      WaitUntil([&] { return client_.SentLines().size() >= before_ + 2; }, kDeadline);
      quit();
    });
    // A program that does not end by then is told to, so the test fails
    // rather than hangs.
    const DWORD thread = GetCurrentThreadId();
    auto endedInTime = std::async(std::launch::async, [&] {
      if (WaitUntil([&] { return ended.load(); }, kDeadline)) return true;
      PostThreadMessageW(thread, WM_QUIT, 0, 0);
      return false;
    });
    EXPECT_EQ(app_->Run(), 0);
    ended = true;
    quitter.join();
    return endedInTime.get();
  }

  // What the room got from the command on: the command, its reply, and
  // whatever the program said last.
  Lines SentSinceCommand() const {
    const Lines sent = Sent();
    return Lines(sent.begin() + static_cast<std::ptrdiff_t>(before_), sent.end());
  }

  std::size_t before_ = 0;
};

std::string Reply() { return Condensed(kTestStyle, "viéwing <u>øld</u> spám"); }

TEST_F(QuitTest, CloseDuringAWaitForTheClientHasTheLastWordAndEndsTheProgramAtOnce) {
  const HWND close = FindWindowExW(Player(), nullptr, L"Button", L"&close");
  EXPECT_TRUE(QuitWhileWaitingForMail([&] { PostMessageW(close, BM_CLICK, 0, 0); }));
  EXPECT_EQ(SentSinceCommand(), (Lines{"omail", Reply(), ClosingBanner(kTestStyle),
                                       SummaryLine(kTestStyle, 1, "default", "sonorix")}));
}

// The session's end comes as messages sent to the player, which the wait
// handles; the program ends without a word, as " unload me" ends it.
TEST_F(QuitTest, TheEndOfTheSessionDuringAWaitForTheClientEndsTheProgramAtOnce) {
  LRESULT mayEnd = 0;
  EXPECT_TRUE(QuitWhileWaitingForMail([&] {
    mayEnd = SendMessageW(Player(), WM_QUERYENDSESSION, 0, 0);
    SendMessageW(Player(), WM_ENDSESSION, TRUE, 0);
  }));
  EXPECT_NE(mayEnd, 0) << "the program lets the session end";
  EXPECT_EQ(SentSinceCommand(), (Lines{"omail", Reply()}));
}

}  // namespace
}  // namespace sonorix
