// Where the running program lives: every settings path starts there.
#pragma once

#include <string>

namespace sonorix {

// The folder of the running exe, without a trailing backslash, in UTF-8.
std::string ProgramFolder();

}  // namespace sonorix
