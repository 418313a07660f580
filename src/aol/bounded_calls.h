// Calls that may never return, such as a message to a program that stopped
// reading its messages: run on one worker thread and waited for a bounded time.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <thread>

namespace sonorix {

// How the calling thread learns that the worker finished a call.
class AnswerSignal {
 public:
  virtual ~AnswerSignal() = default;
  // Calling thread, before each call is handed over.
  virtual void Reset() = 0;
  // Worker thread, once the call returned.
  virtual void Set() = 0;
  // Calling thread: waits until Set or until the limit passed. What else
  // the thread may do meanwhile is the signal's business.
  virtual void WaitFor(std::chrono::milliseconds limit) = 0;
};

// The contract, for one calling thread:
// - A call that returns within the limit gives its result.
// - A call that does not is given up: the caller gets the "absent" value
//   and goes on. The call itself cannot be stopped; it finishes on the worker
//   whenever it can, and its result is thrown away.
// - Until it has finished, every further call is refused at once and never
//   runs later: nothing piles up behind a stuck call, and nothing meant for
//   one moment reaches the other program after it recovers.
// A call given up or refused counts as unanswered, and leaves a trace line
// naming the call.
class BoundedCalls {
 public:
  BoundedCalls(std::chrono::milliseconds limit, std::unique_ptr<AnswerSignal> signal);
  // Does not wait for a stuck call: its worker is left to finish alone, so a
  // program can end while the other one sleeps.
  ~BoundedCalls();
  BoundedCalls(const BoundedCalls&) = delete;
  BoundedCalls& operator=(const BoundedCalls&) = delete;

  // The call's result, or `absent` if it was given up or refused. The call
  // must own everything it touches: it may outlive the caller's frame.
  // `name` says in a trace line which call it was.
  template <typename Result>
  Result Call(std::function<Result()> call, Result absent, std::string_view name) {
    auto answer = std::make_shared<std::optional<Result>>();
    if (!Run(name, [call = std::move(call), answer] { answer->emplace(call()); }) || !*answer) {
      return absent;
    }
    return std::move(**answer);
  }

  // How many calls so far were given up or refused.
  std::uint64_t Unanswered() const { return unanswered_; }

 private:
  struct Shared;

  bool Run(std::string_view name, std::function<void()> job);
  static void Work(const std::shared_ptr<Shared>& shared);

  std::chrono::milliseconds limit_;
  std::shared_ptr<Shared> shared_;
  std::thread worker_;
  std::uint64_t unanswered_ = 0;
};

}  // namespace sonorix
