#include "core/debug_output.h"

namespace sonorix {

// Native builds run only tests, which read traces through a sink.
void WriteToDebugOutput(std::string_view) {}

}  // namespace sonorix
