// A part the program cannot run without could not be made: thrown while it
// starts, shown by WinMain in a message box before the program ends.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace sonorix {

class StartFailure : public std::runtime_error {
 public:
  // The part as the user reads it, e.g. "the player window"; the system's
  // error code goes with it. Thrown straight after the failing call.
  explicit StartFailure(const std::string& part)
      : std::runtime_error(part + " could not be made (error " + std::to_string(GetLastError()) +
                           ").") {}
};

}  // namespace sonorix
