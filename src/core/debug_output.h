// The platform's channel for a developer's notes: where Trace writes.
#pragma once

#include <string_view>

namespace sonorix {

// One line, with the program's prefix. On Windows OutputDebugString, which a
// debug viewer (or Wine's +debugstr channel) shows; elsewhere nothing.
void WriteToDebugOutput(std::string_view line);

}  // namespace sonorix
