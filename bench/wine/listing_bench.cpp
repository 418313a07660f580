// How long the song list takes to read a very large music folder.
#include <windows.h>

#include <chrono>
#include <string>

#include "player/win32/song_list_box.h"
#include "wine/bench_report.h"

namespace sonorix::bench {

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

void RunListingBench(const std::string& folder) {
  auto start = Clock::now();
  const auto names = ListMp3Files(folder);
  Report("list and sort a folder of " + std::to_string(names.size()) + " songs",
         MillisecondsSince(start), "ms");

  const HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr,
                                      nullptr, nullptr, nullptr);
  SongListBox list(parent, 1, RECT{0, 0, 200, 200});
  start = Clock::now();
  list.SetFolder(folder);
  Report("fill the song list with them", MillisecondsSince(start), "ms");
  Report("songs listed", list.Count(), "songs");
  DestroyWindow(parent);
}

}  // namespace sonorix::bench
