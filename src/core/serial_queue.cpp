#include "core/serial_queue.h"

namespace sonorix {

namespace {

class RunningWhileAlive {
 public:
  explicit RunningWhileAlive(bool& running) : running_(running) { running_ = true; }
  ~RunningWhileAlive() { running_ = false; }
  RunningWhileAlive(const RunningWhileAlive&) = delete;
  RunningWhileAlive& operator=(const RunningWhileAlive&) = delete;

 private:
  bool& running_;
};

}  // namespace

// The item leaves the queue before it runs, so one that throws is not run
// again by the next run.
void SerialQueue::Run(const std::function<bool()>& goOn) {
  if (running_) return;
  const RunningWhileAlive running(running_);
  while (!queue_.empty() && (!goOn || goOn())) {
    const Work work = std::move(queue_.front());
    queue_.pop_front();
    work();
  }
}

}  // namespace sonorix
