#include "wine/program_process.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <chrono>

#include "core/win32/message_pump.h"
#include "testutil.h"

namespace sonorix::bench {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct PlayerSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindPlayer(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<PlayerSearch*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (owner != search.process || std::wstring(name) != L"Sonorix Player") return TRUE;
  search.found = window;
  return FALSE;
}

}  // namespace

double CpuSeconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(process, &created, &exited, &kernel, &user);
  const auto ticks = [](FILETIME time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

double ResidentMiB(HANDLE process) {
  PROCESS_MEMORY_COUNTERS memory{};
  GetProcessMemoryInfo(process, &memory, sizeof memory);
  return static_cast<double>(memory.WorkingSetSize) / 1048576.0;
}

int ThreadCount(HANDLE process) {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  const DWORD id = GetProcessId(process);
  int count = 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == id) ++count;
  }
  CloseHandle(snapshot);
  return count;
}

double PumpedCpuShare(std::chrono::seconds span) {
  const double before = CpuSeconds(GetCurrentProcess());
  const auto start = Clock::now();
  for (auto now = start; now < start + span; now = Clock::now()) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(start + span - now);
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left.count()), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
    PumpPendingMessages();
  }
  const std::chrono::duration<double> spent = Clock::now() - start;
  return 100.0 * (CpuSeconds(GetCurrentProcess()) - before) / spent.count();
}

ProgramProcess::ProgramProcess(const std::string& commandLine) {
  std::string line = commandLine;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                 &info_);
}

ProgramProcess::~ProgramProcess() {
  if (info_.hProcess == nullptr) return;
  TerminateProcess(info_.hProcess, 0);
  WaitForSingleObject(info_.hProcess, INFINITE);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

HWND ProgramProcess::Songs() const {
  PlayerSearch search{info_.dwProcessId, nullptr};
  EnumWindows(FindPlayer, reinterpret_cast<LPARAM>(&search));
  return search.found ? FindWindowExW(search.found, nullptr, L"LISTBOX", nullptr) : nullptr;
}

std::vector<double> ReplyLatencies(const testing::AolSimProcess& client, Room& room,
                                   const std::string& command, int times) {
  std::vector<double> latencies;
  for (int i = 0; i < times; ++i) {
    client.Command("type " + command);
    const auto typed = Clock::now();
    const std::size_t length = room.Length();
    // Looked at every millisecond: a coarser look would add its own delay.
    const auto giveUp = typed + 60s;
    while (room.Length() <= length && Clock::now() < giveUp) Sleep(1);
    latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - typed).count());
  }
  return latencies;
}

}  // namespace sonorix::bench
