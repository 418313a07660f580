#include "aol/win32/bounded_window_api.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "core/win32/message_pump.h"
#include "core/win32/win32_handle.h"
#include "testutil.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using testing::WaitUntil;

constexpr UINT kFallAsleep = WM_APP + 7;

WindowRef Ref(HWND hwnd) { return WindowRef{reinterpret_cast<std::uintptr_t>(hwnd)}; }

// An edit box on a thread of its own, which stops reading its messages when
// told to, as a hung program does, until it is woken.
class SleepyWindow {
 public:
  SleepyWindow() : thread_([this] { Run(); }) {
    WaitUntil([&] { return window_.load() != nullptr; }, 10s);
  }
  ~SleepyWindow() {
    SetEvent(wake_.get());
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }

  WindowRef Window() const { return Ref(window_); }
  bool FallAsleep() {
    PostMessageA(window_, kFallAsleep, 0, 0);
    return WaitUntil([&] { return asleep_.load(); }, 10s);
  }
  void Wake() { SetEvent(wake_.get()); }

 private:
  void Run() {
    threadId_ = GetCurrentThreadId();
    const HWND edit = CreateWindowExA(0, "EDIT", "awake", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      nullptr, nullptr);
    window_ = edit;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      if (message.message == kFallAsleep) {
        asleep_ = true;
        WaitForSingleObject(wake_.get(), INFINITE);
        asleep_ = false;
      }
      DispatchMessageA(&message);
    }
    DestroyWindow(edit);
  }

  UniqueHandle wake_ = MakeEvent(true);
  std::atomic<HWND> window_ = nullptr;
  std::atomic<bool> asleep_ = false;
  std::atomic<DWORD> threadId_ = 0;
  std::thread thread_;
};

// A limit no busy machine reaches, so only a deadlock gives a call up.
TEST(BoundedWindowApi, ReachesWindowsOfTheCallingThreadItself) {
  const HWND edit =
      CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  BoundedWindowApi api(60s);
  api.SendText(Ref(edit), WindowMessage::SetText, "pláy");
  EXPECT_EQ(api.TextLength(Ref(edit)), 4u);
  EXPECT_EQ(api.Text(Ref(edit)), "pláy") << "the worker's messages were handled while waiting";
  EXPECT_EQ(api.UnansweredCalls(), 0u);
  DestroyWindow(edit);
}

// The real limit, which the stuck call costs; a call that must be answered
// is asked until it is, as a busy machine may let one pass the limit.
TEST(BoundedWindowApi, AProgramThatStopsAnsweringIsAbsentUntilItWakes) {
  SleepyWindow sleepy;
  BoundedWindowApi api;
  ASSERT_TRUE(WaitUntil([&] { return api.Text(sleepy.Window()) == "awake"; }, 10s));
  ASSERT_TRUE(sleepy.FallAsleep());
  const std::uint64_t before = api.UnansweredCalls();

  EXPECT_EQ(api.Text(sleepy.Window()), "");
  EXPECT_EQ(api.UnansweredCalls(), before + 1) << "given up";
  EXPECT_EQ(api.SendText(sleepy.Window(), WindowMessage::SetText, "too late"), 0);
  EXPECT_EQ(api.UnansweredCalls(), before + 2) << "refused while the first call is stuck";
  EXPECT_TRUE(api.GetSibling(sleepy.Window(), Sibling::First))
      << "window-manager reads do not wait for the sleeper";
  EXPECT_EQ(std::ranges::count(api.TopLevelWindows("edit"), sleepy.Window()), 1);
  EXPECT_EQ(api.ProcessOf(sleepy.Window()), GetCurrentProcessId());
  EXPECT_FALSE(api.FindControl(sleepy.Window(), IDOK));
  EXPECT_EQ(api.UnansweredCalls(), before + 2);

  sleepy.Wake();
  EXPECT_TRUE(WaitUntil([&] { return api.Text(sleepy.Window()) == "awake"; }, 10s))
      << "answers again, and the refused text never arrived";
}

// The chat-scan's probe: a question that never blocks the asking thread,
// answered only where it handles posted messages.
TEST(BoundedWindowApi, LengthQuestionsAreAnsweredLaterAndNeverWaitForASleeper) {
  SleepyWindow sleepy;
  BoundedWindowApi api;
  std::vector<std::size_t> answers;
  const auto ask = [&](WindowRef window) {
    api.AskTextLength(window, [&](std::size_t length) { answers.push_back(length); });
  };
  const auto answered = [&](std::size_t count) {
    return WaitUntil([&] { return answers.size() >= count; }, 10s, [] { PumpPendingMessages(); });
  };
  ask(WindowRef{0xdead0});  // gone: nothing will answer, and nothing is left waiting
  ask(sleepy.Window());
  EXPECT_TRUE(answers.empty()) << "asking does not wait for the answer";
  ASSERT_TRUE(answered(1));
  EXPECT_EQ(answers, std::vector<std::size_t>{5});

  ASSERT_TRUE(sleepy.FallAsleep());
  ask(sleepy.Window());
  ask(sleepy.Window());
  sleepy.Wake();
  ASSERT_TRUE(answered(2));
  EXPECT_EQ(answers, (std::vector<std::size_t>{5, 5}));
  EXPECT_EQ(api.UnansweredCalls(), 0u) << "a question is never an unanswered call";
}

}  // namespace
}  // namespace sonorix
