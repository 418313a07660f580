// Catches the program's trace lines while it lives, so a test can check that
// a place that gives something up silently still leaves its line.
#pragma once

#include <algorithm>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "core/trace.h"

namespace sonorix {

class TraceLines {
 public:
  TraceLines()
      : previous_(SetTraceSink([this](std::string_view line) {
          const std::lock_guard lock(mutex_);
          lines_.emplace_back(line);
        })) {}
  ~TraceLines() { SetTraceSink(std::move(previous_)); }
  TraceLines(const TraceLines&) = delete;
  TraceLines& operator=(const TraceLines&) = delete;

  std::vector<std::string> Lines() const {
    const std::lock_guard lock(mutex_);
    return lines_;
  }
  bool Has(std::string_view line) const {
    const std::lock_guard lock(mutex_);
    return std::ranges::count(lines_, line) != 0;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
  TraceSink previous_;
};

}  // namespace sonorix
