#include "core/trace.h"

#include <mutex>
#include <utility>

#include "core/debug_output.h"

namespace sonorix {

namespace {

std::mutex& SinkMutex() {
  static std::mutex mutex;
  return mutex;
}

TraceSink& CurrentSink() {
  static TraceSink sink;
  return sink;
}

}  // namespace

void Trace(std::string_view line) {
  const std::lock_guard lock(SinkMutex());
  if (CurrentSink()) {
    CurrentSink()(line);
  } else {
    WriteToDebugOutput(line);
  }
}

TraceSink SetTraceSink(TraceSink sink) {
  const std::lock_guard lock(SinkMutex());
  return std::exchange(CurrentSink(), std::move(sink));
}

}  // namespace sonorix
