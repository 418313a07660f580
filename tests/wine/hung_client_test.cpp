#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string_view>
#include <thread>

#include "testutil.h"
#include "wine/program_fixture.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using namespace sonorix::testing;

using HungClientTest = ProgramTest;

// The user works the player's song list with keys, each waited for until
// it is handled, until told to stop.
class KeyPresser {
 public:
  KeyPresser(HWND list, const std::atomic<bool>& stop)
      : thread_([this, list, &stop] {
          for (bool toEnd = true; !stop; toEnd = !toEnd) Press(list, toEnd, stop);
          done_ = true;
        }) {}
  ~KeyPresser() { thread_.join(); }

  bool Done() const { return done_; }
  int Handled() const { return handled_; }

 private:
  void Press(HWND list, bool toEnd, const std::atomic<bool>& stop) {
    PostMessageW(list, WM_KEYDOWN, toEnd ? VK_END : VK_HOME, 0);
    const LRESULT expected = toEnd ? SendMessageW(list, LB_GETCOUNT, 0, 0) - 1 : 0;
    WaitUntil([&] { return stop || SendMessageW(list, LB_GETCURSEL, 0, 0) == expected; }, 60s);
    if (!stop) ++handled_;
  }

  std::atomic<bool> done_ = false;
  std::atomic<int> handled_ = 0;
  std::thread thread_;
};

TEST_F(HungClientTest, ThePlayerKeepsHandlingInputAndEachCommandIsObeyedOnce) {
  StartWith({{"cbr128.mp3", "sun.mp3"}, {"mono.mp3", "blur.mp3"}, {"vbr.mp3", "lucky.mp3"}});
  ASSERT_EQ(Replies("p sun", 1).size(), 1u);
  const HWND list = FindWindowExW(Player(), nullptr, L"ListBox", nullptr);
  const std::size_t before = Sent().size();

  // The client sleeps until woken; a minute is only the bound of a failing run.
  ASSERT_TRUE(client_.Command("hang 60"));
  std::atomic<bool> typed = false;
  // Typed while the client sleeps: it shows the line once it wakes.
  std::thread typist([&] {
    client_.Command("type p blur");
    typed = true;
  });
  {
    KeyPresser user(list, typed);
    Click(L"stop");  // its line cannot reach the sleeping client
    EXPECT_TRUE(Pump([&] { return user.Handled() >= 3; }, 30s)) << "keys waited for the client";
    EXPECT_FALSE(typed) << "the keys were handled while the client slept";
    EXPECT_TRUE(client_.Wake());
    EXPECT_TRUE(Pump([&] { return user.Done(); }, 30s));
  }
  typist.join();

  Pump([&] { return Sent().size() >= before + 2; }, 15s);
  // Lines are handled in order: once "p lucky" is answered, everything
  // owed to what came before it is in.
  const Lines lucky = Replies("p lucky", 1);
  ASSERT_EQ(lucky.size(), 1u) << "a command typed after the client woke is obeyed once";
  EXPECT_NE(lucky[0].find("<u>lucky.mp3</u>"), std::string::npos) << lucky[0];
  const Lines all = Sent();
  const auto luckyLine = std::find(all.begin() + static_cast<std::ptrdiff_t>(before), all.end(),
                                   std::string("p lucky"));
  const Lines after(all.begin() + static_cast<std::ptrdiff_t>(before), luckyLine);
  ASSERT_EQ(after.size(), 2u) << "no stop line sent late, no old command replayed";
  EXPECT_EQ(after[0], "p blur");
  EXPECT_NE(after[1].find("<u>blur.mp3</u>"), std::string::npos) << after[1];
}

// Each question waits in the client's queue, which Windows caps at 10,000
// messages: a client asleep for 20 s is left one, not one every tick.
TEST_F(HungClientTest, ASleepingClientIsLeftAHandfulOfLengthQuestions) {
  StartWith({{"cbr128.mp3", "sun.mp3"}});
  const HWND transcript = ClientTranscript();
  ASSERT_NE(transcript, nullptr);
  const auto asked = [&] { return LengthQuestionsAsked(transcript); };
  ASSERT_TRUE(Pump([&] { return asked() > 0; }, 10s));
  std::atomic<bool> awake = false;
  const std::uintptr_t before = asked();
  std::thread sleeper([&] {
    client_.Command("hang 20");
    while (!client_.Command("maxlines 1000")) {
    }
    awake = true;
  });
  EXPECT_TRUE(Pump([&] { return awake.load(); }, 60s));
  EXPECT_LE(asked() - before, 5u);
  sleeper.join();
}

}  // namespace
}  // namespace sonorix
