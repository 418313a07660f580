// Starts the stand-in client beside the test program and drives it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace sonorix::testing {

class AolSimProcess {
 public:
  // Starts aolsim.exe with the arguments and waits for its frame window.
  explicit AolSimProcess(const std::string& arguments);
  ~AolSimProcess();
  AolSimProcess(const AolSimProcess&) = delete;
  AolSimProcess& operator=(const AolSimProcess&) = delete;

  bool Started() const { return frame_ != nullptr; }
  // Runs one control command; true if the client did it.
  bool Command(const std::string& command) const;
  // Ends a "hang" at once; false if the client is not hanging.
  bool Wake() const;
  // The raw lines the input box sent, as logged by the client.
  std::vector<std::string> SentLines() const;
  std::string LogPath() const { return logPath_; }

 private:
  PROCESS_INFORMATION process_{};
  HWND frame_ = nullptr;
  std::string logPath_;
};

// The folder holding the running test program, with a trailing backslash.
std::string TestProgramFolder();
// A fresh empty folder under the temporary folder; the prefix and the path
// are UTF-8.
std::string MakeTempFolder(const std::string& prefix);

}  // namespace sonorix::testing
