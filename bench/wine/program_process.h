// The program as its own process beside the stand-in client, and what the
// benchmarks read of it from outside: its room, its song list, its share of
// the processor and its memory.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "aol/aol_client.h"
#include "aol/win32/user32_window_api.h"
#include "wine/aolsim_process.h"

namespace sonorix::bench {

double CpuSeconds(HANDLE process);
double ResidentMiB(HANDLE process);
// Threads the process has now, finished ones that are not yet gone included.
int ThreadCount(HANDLE process);
// Percent of one core this process takes over the span while it handles
// its messages as the program's own loop would, waking only for them:
// the program runs in this process there, since Wine tells a process's
// processor time only to itself.
double PumpedCpuShare(std::chrono::seconds span);

class ProgramProcess {
 public:
  explicit ProgramProcess(const std::string& commandLine);
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  HANDLE Handle() const { return info_.hProcess; }
  // The player's song list, or null while its window is not made yet.
  HWND Songs() const;

 private:
  PROCESS_INFORMATION info_{};
};

class Room {
 public:
  Room() : transcript_(aol_.FindTranscript(aol_.FindChatRoom())) {}
  std::size_t Length() { return windows_.TextLength(transcript_); }

 private:
  User32WindowApi windows_;
  AolClient aol_{windows_};
  WindowRef transcript_;
};

// Milliseconds from each typed command entering the transcript to the reply
// entering it.
std::vector<double> ReplyLatencies(const testing::AolSimProcess& client, Room& room,
                                   const std::string& command, int times);

}  // namespace sonorix::bench
