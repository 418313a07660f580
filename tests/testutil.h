// Helpers shared by the test suites.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace sonorix::testing {

// Polls until the predicate holds or the timeout passes; true if it held.
// `between` runs between polls, e.g. to keep a message queue moving.
inline bool WaitUntil(const std::function<bool()>& predicate, std::chrono::milliseconds timeout,
                      const std::function<void()>& between = {}) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!predicate()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    if (between) between();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// A program path in quotes, for a command line. Built by appending: GCC 12
// warns falsely (-Wrestrict) on `"\"" + std::string` temporaries.
inline std::string Quoted(const std::string& path) {
  std::string quoted(1, '"');
  return quoted.append(path).append(1, '"');
}

}  // namespace sonorix::testing
