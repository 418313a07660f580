// The program as the setup program installs it for the current user, and
// the processes a test starts from the installed files.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

namespace sonorix::testing {

// %LOCALAPPDATA%\Programs\Sonorix, where the setup program installs.
std::wstring InstallFolder();
// The Start menu folder of the current user's programs entry.
std::wstring StartMenuFolder();
// The setup program the test run was given (SONORIX_SETUP).
std::wstring SetupProgram();
bool Exists(const std::wstring& path);
std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
// A value of the program's entry under the user's uninstall key; "" if none.
std::wstring UninstallEntry(const wchar_t* value);

// A started process, ended by the destructor if it still runs.
class ChildProcess {
 public:
  explicit ChildProcess(std::wstring commandLine);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return process_.hProcess != nullptr; }
  // Waits for the end; true with its exit code if it ended in time.
  bool Ended(std::chrono::milliseconds timeout, DWORD* exitCode = nullptr) const;

 private:
  PROCESS_INFORMATION process_{};
};

// Runs the setup program or the uninstaller with the arguments and waits
// for its process; the exit code, or ~0 if it did not end.
DWORD RunToEnd(const std::wstring& program, const std::wstring& arguments);

// The installed program, started on a music folder it was given beforehand
// (as after its first start), against a stand-in client that already runs.
class InstalledSonorix {
 public:
  explicit InstalledSonorix(const std::string& musicFolder);
  // The top-level window of the class once it is visible, or null.
  static HWND WaitForWindow(const wchar_t* className, const wchar_t* title);

  ChildProcess process;
};

}  // namespace sonorix::testing
