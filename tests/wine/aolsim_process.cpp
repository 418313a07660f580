#include "wine/aolsim_process.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

#include "aolsim/window_classes.h"
#include "testutil.h"

namespace sonorix::testing {

namespace {

constexpr ULONG_PTR kControlMagic = 0x314D4953;

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

std::string TestProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

// Names are UTF-8 both ways, whatever the system's code page.
std::string MakeTempFolder(const std::string& prefix) {
  std::random_device seed;
  const std::string name = prefix + std::to_string(seed()) + std::to_string(seed());
  const auto folder =
      std::filesystem::temp_directory_path() / std::u8string(name.begin(), name.end());
  std::filesystem::create_directories(folder);
  const std::u8string path = folder.u8string();
  return std::string(path.begin(), path.end());
}

AolSimProcess::AolSimProcess(const std::string& arguments) {
  logPath_ = MakeTempFolder("aolsim-log-") + "\\sent.log";
  std::string commandLine =
      Quoted(TestProgramFolder() + "aolsim.exe") + " --log " + Quoted(logPath_) + " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    return;
  }
  WaitUntil([&] { return (frame_ = FindWindowA("AOL Frame25", nullptr)) != nullptr; },
            std::chrono::seconds(30));
  // The frame exists before its documents: wait until the client answers.
  WaitUntil([&] { return frame_ && Command("maxlines 1000"); }, std::chrono::seconds(30));
}

AolSimProcess::~AolSimProcess() {
  if (process_.hProcess == nullptr) return;
  if (frame_) PostMessageA(frame_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process_.hProcess, 1);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool AolSimProcess::Wake() const {
  const HANDLE wake =
      OpenEventW(EVENT_MODIFY_STATE, FALSE, aolsim::WakeEventName(process_.dwProcessId).c_str());
  if (wake == nullptr) return false;
  const bool woken = SetEvent(wake) != 0;
  CloseHandle(wake);
  return woken;
}

bool AolSimProcess::Command(const std::string& command) const {
  COPYDATASTRUCT data{};
  data.dwData = kControlMagic;
  data.cbData = static_cast<DWORD>(command.size());
  data.lpData = const_cast<char*>(command.data());
  DWORD_PTR result = 0;
  SendMessageTimeoutA(frame_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                      10000, &result);
  return result == 1;
}

std::vector<std::string> AolSimProcess::SentLines() const { return ReadLines(logPath_); }

}  // namespace sonorix::testing
