// Work done one item at a time, in the order it came, never one inside another.
#pragma once

#include <deque>
#include <functional>

namespace sonorix {

// A handler that waits (for the client, or a pause) lets timers and answers
// run inside it. Whatever they bring is only queued then: the run that is
// already going on takes it up, in order, once the current item returns.
// An item that throws ends the run there; what is left waits for the next.
class SerialQueue {
 public:
  using Work = std::function<void()>;

  SerialQueue() = default;
  SerialQueue(const SerialQueue&) = delete;
  SerialQueue& operator=(const SerialQueue&) = delete;

  // Queues the work without running anything.
  void Add(Work work) { queue_.push_back(std::move(work)); }
  // Runs what is queued, in order, while goOn (asked before each item) says
  // so, or until none is left. Inside a run it returns at once.
  void Run(const std::function<bool()>& goOn = {});
  // Queues the work and runs it, unless a run is already going on.
  void Push(Work work) {
    Add(std::move(work));
    Run();
  }
  bool Running() const { return running_; }

 private:
  std::deque<Work> queue_;
  bool running_ = false;
};

}  // namespace sonorix
