#include "aol/bounded_calls.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <future>
#include <mutex>

#include "fakes/trace_lines.h"
#include "testutil.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using testing::WaitUntil;

class ConditionSignal final : public AnswerSignal {
 public:
  void Reset() override {
    const std::lock_guard lock(mutex_);
    set_ = false;
  }
  void Set() override {
    {
      const std::lock_guard lock(mutex_);
      set_ = true;
    }
    changed_.notify_all();
  }
  void WaitFor(std::chrono::milliseconds limit) override {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, limit, [&] { return set_; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool set_ = false;
};

constexpr int kAbsent = -1;

// A call that sleeps until released, as a program that stopped reading its
// messages; it would answer 99.
std::function<int()> StuckUntil(std::shared_future<void> release,
                                std::shared_ptr<std::atomic<bool>> finished = {}) {
  return [release, finished] {
    release.wait();
    if (finished) *finished = true;
    return 99;
  };
}

class BoundedCallsTest : public ::testing::Test {
 protected:
  BoundedCalls calls_{20ms, std::make_unique<ConditionSignal>()};
  std::promise<void> release_;
};

// A limit no busy machine reaches, so only a real fault gives a call up.
TEST(BoundedCalls, AnsweredCallsGiveTheirResults) {
  BoundedCalls calls{60s, std::make_unique<ConditionSignal>()};
  EXPECT_EQ(calls.Call<int>([] { return 7; }, kAbsent, "test"), 7);
  EXPECT_EQ(calls.Call<std::string>([] { return std::string("text"); }, "", "test"), "text");
  EXPECT_EQ(calls.Unanswered(), 0u);
}

// Each call given up leaves a trace line naming it, as nothing else says so.
TEST_F(BoundedCallsTest, AStuckCallIsGivenUpAndNothingQueuesBehindIt) {
  const TraceLines trace;
  EXPECT_EQ(calls_.Call(StuckUntil(release_.get_future().share()), kAbsent, "Text"), kAbsent);
  EXPECT_EQ(calls_.Unanswered(), 1u);

  auto refusedRan = std::make_shared<std::atomic<bool>>(false);
  const auto refused = [refusedRan] {
    *refusedRan = true;
    return 1;
  };
  EXPECT_EQ(calls_.Call<int>(refused, kAbsent, "TextLength"), kAbsent);
  EXPECT_EQ(calls_.Unanswered(), 2u) << "refused while the first is stuck";
  EXPECT_EQ(trace.Lines(), (std::vector<std::string>{
                               "client did not answer within 20 ms: Text",
                               "client call refused, an earlier one is still stuck: TextLength"}));

  release_.set_value();
  int answer = kAbsent;
  ASSERT_TRUE(WaitUntil(
      [&] { return (answer = calls_.Call<int>([] { return 5; }, kAbsent, "test")) != kAbsent; },
      10s));
  EXPECT_EQ(answer, 5) << "the stuck call's late answer went nowhere";
  EXPECT_FALSE(*refusedRan) << "a refused call never runs later";
}

// A call that throws told nothing: it counts as one the client left
// unanswered, so its "absent" is never read as an answer.
TEST(BoundedCalls, AThrowingCallAnswersAbsentAndCountsAsUnanswered) {
  BoundedCalls calls{60s, std::make_unique<ConditionSignal>()};
  EXPECT_EQ(calls.Call<int>([]() -> int { throw std::runtime_error("gone"); }, kAbsent, "test"),
            kAbsent);
  EXPECT_EQ(calls.Unanswered(), 1u);
  EXPECT_EQ(calls.Call<int>([] { return 3; }, kAbsent, "test"), 3);
  EXPECT_EQ(calls.Unanswered(), 1u);
}

TEST(BoundedCalls, EndingWhileACallIsStuckDoesNotWaitForIt) {
  std::promise<void> release;
  auto finished = std::make_shared<std::atomic<bool>>(false);
  {
    BoundedCalls calls(20ms, std::make_unique<ConditionSignal>());
    EXPECT_EQ(calls.Call(StuckUntil(release.get_future().share(), finished), kAbsent, "test"),
              kAbsent);
  }
  EXPECT_FALSE(*finished);
  release.set_value();
  EXPECT_TRUE(WaitUntil([&] { return finished->load(); }, 10s)) << "the worker ends on its own";
}

}  // namespace
}  // namespace sonorix
