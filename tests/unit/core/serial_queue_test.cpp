#include "core/serial_queue.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace sonorix {
namespace {

TEST(SerialQueue, RunsWorkInTheOrderItCame) {
  SerialQueue queue;
  std::string done;
  queue.Add([&] { done += "a"; });
  queue.Add([&] { done += "b"; });
  EXPECT_EQ(done, "");  // added work waits for a run
  queue.Push([&] { done += "c"; });
  EXPECT_EQ(done, "abc");
  EXPECT_FALSE(queue.Running());
}

// As when a handler waits and a timer brings more work inside it.
TEST(SerialQueue, WorkPushedWhileRunningRunsAfterTheCurrentItemByTheOuterRun) {
  SerialQueue queue;
  std::string done;
  queue.Push([&] {
    EXPECT_TRUE(queue.Running());
    queue.Push([&] { done += "inner"; });
    queue.Run();
    EXPECT_EQ(done, "");  // never inside the item that is running
    done += "outer,";
  });
  EXPECT_EQ(done, "outer,inner");
}

TEST(SerialQueue, StopsWhereTheConditionSaysAndKeepsTheRestForTheNextRun) {
  SerialQueue queue;
  std::string done;
  bool answering = true;
  queue.Add([&] {
    done += "a";
    answering = false;
  });
  queue.Add([&] { done += "b"; });
  queue.Run([&] { return answering; });
  EXPECT_EQ(done, "a");
  answering = true;
  queue.Run([&] { return answering; });
  EXPECT_EQ(done, "ab");
}

TEST(SerialQueue, WorkThatThrowsEndsTheRunAndLeavesTheQueueUsable) {
  SerialQueue queue;
  std::string done;
  queue.Add([] { throw std::runtime_error("handler failed"); });
  queue.Add([&] { done += "b"; });
  EXPECT_THROW(queue.Run(), std::runtime_error);
  EXPECT_FALSE(queue.Running());
  queue.Push([&] { done += "c"; });
  EXPECT_EQ(done, "bc");  // the failed item is not run again
}

}  // namespace
}  // namespace sonorix
