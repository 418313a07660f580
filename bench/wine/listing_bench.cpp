// How long the song list takes to read a very large music folder.
#include <windows.h>

#include <chrono>
#include <string>

#include "core/win32/code_page.h"
#include "player/win32/song_list_box.h"
#include "wine/bench_report.h"
#include "wine/listing_floor.h"
#include "wine/program_process.h"

namespace sonorix::bench {

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The other floor: the system's case-blind sort key of every name.
void MakeSortKeys(int count) {
  char key[4096];
  for (int i = 0; i < count; ++i) {
    const std::wstring name = L"Artist " + std::to_wstring(i) + L" - Track " + std::to_wstring(i);
    LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, name.c_str(), -1,
                 reinterpret_cast<wchar_t*>(key), sizeof key);
  }
}

}  // namespace

void RunListingBench(const std::string& folder) {
  const double before = ResidentMiB(GetCurrentProcess());
  auto start = Clock::now();
  const int entries = CountFolderEntries(folder);
  Report("read the entries of a folder of " + std::to_string(entries) + " (floor)",
         MillisecondsSince(start), "ms");
  Report("memory reading them leaves with the process (floor)",
         ResidentMiB(GetCurrentProcess()) - before, "MiB");
  start = Clock::now();
  MakeSortKeys(entries);
  Report("make as many case-blind sort keys (floor)", MillisecondsSince(start), "ms");
  const double listed = ResidentMiB(GetCurrentProcess());
  start = Clock::now();
  {
    const auto names = ListMp3Files(folder);
    Report("list and sort a folder of " + std::to_string(names.Count()) + " songs",
           MillisecondsSince(start), "ms");
    Report("memory those names hold", ResidentMiB(GetCurrentProcess()) - listed, "MiB");
  }
  Report("memory left after dropping them", ResidentMiB(GetCurrentProcess()) - listed, "MiB");

  const HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                      nullptr, nullptr);
  SongListBox list(parent, 1, TwipsBox{0, 0, 3000, 3000});
  start = Clock::now();
  list.SetFolder(folder);
  Report("fill the song list with them", MillisecondsSince(start), "ms");
  Report("songs listed", list.Count(), "songs");
  Report("memory the filled song list holds", ResidentMiB(GetCurrentProcess()) - listed, "MiB");
  DestroyWindow(parent);
}

}  // namespace sonorix::bench
