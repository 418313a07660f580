#include "aol/bounded_calls.h"

#include <condition_variable>
#include <mutex>
#include <string>

#include "core/trace.h"

namespace sonorix {

// Owned jointly by the caller and the worker, so a worker still stuck in a
// call when its owner goes away finishes against state that still exists.
struct BoundedCalls::Shared {
  explicit Shared(std::unique_ptr<AnswerSignal> s) : signal(std::move(s)) {}

  std::mutex mutex;
  std::condition_variable wake;
  std::function<void()> job;  // handed over, not yet taken
  bool busy = false;          // a call is handed over or running
  bool threw = false;         // the last call ended in an exception
  bool stop = false;
  std::unique_ptr<AnswerSignal> signal;
};

BoundedCalls::BoundedCalls(std::chrono::milliseconds limit, std::unique_ptr<AnswerSignal> signal)
    : limit_(limit), shared_(std::make_shared<Shared>(std::move(signal))) {
  worker_ = std::thread([shared = shared_] { Work(shared); });
}

BoundedCalls::~BoundedCalls() {
  bool stuck = false;
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->stop = true;
    stuck = shared_->busy;
  }
  shared_->wake.notify_one();
  if (stuck) {
    worker_.detach();
  } else {
    worker_.join();
  }
}

void BoundedCalls::Work(const std::shared_ptr<Shared>& shared) {
  std::unique_lock lock(shared->mutex);
  for (;;) {
    shared->wake.wait(lock, [&] { return shared->stop || shared->job; });
    if (!shared->job) return;
    const std::function<void()> job = std::move(shared->job);
    shared->job = nullptr;
    lock.unlock();
    // A call that throws has no answer: it counts as unanswered, so that a
    // broken length never reads as an emptied transcript.
    bool threw = false;
    try {
      job();
    } catch (...) {
      threw = true;
    }
    lock.lock();
    shared->threw = threw;
    shared->busy = false;
    shared->signal->Set();
  }
}

bool BoundedCalls::Run(std::string_view name, std::function<void()> job) {
  {
    const std::lock_guard lock(shared_->mutex);
    if (shared_->busy) {
      ++unanswered_;
      Trace("client call refused, an earlier one is still stuck: " + std::string(name));
      return false;
    }
    shared_->busy = true;
    shared_->job = std::move(job);
    shared_->signal->Reset();
  }
  shared_->wake.notify_one();
  shared_->signal->WaitFor(limit_);
  // Whatever woke the wait, the lock decides: the call's result is visible
  // here once the worker has marked itself idle.
  const std::lock_guard lock(shared_->mutex);
  if (!shared_->busy && !shared_->threw) return true;
  ++unanswered_;
  if (shared_->busy) {
    Trace("client did not answer within " + std::to_string(limit_.count()) +
          " ms: " + std::string(name));
  } else {
    Trace("client call failed: " + std::string(name));
  }
  return false;
}

}  // namespace sonorix
