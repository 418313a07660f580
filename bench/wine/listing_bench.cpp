// How long the song list takes to read a very large music folder.
#include <windows.h>

#include <chrono>
#include <string>

#include "player/win32/song_list_box.h"
#include "wine/aolsim_process.h"
#include "wine/bench_report.h"

namespace sonorix::bench {

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string FolderOfEmptySongs(int count) {
  const std::string folder = testing::MakeTempFolder("bench-list-");
  for (int i = 0; i < count; ++i) {
    const std::string path = folder + "\\Artist " + std::to_string(i % 977) + " - Track " +
                             std::to_string(i) + ".mp3";
    CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
  }
  return folder;
}

}  // namespace

void RunListingBench() {
  constexpr int kSongs = 100'000;
  const std::string folder = FolderOfEmptySongs(kSongs);
  auto start = Clock::now();
  const auto names = ListMp3Files(folder);
  Report("list and sort a folder of 100,000 songs", MillisecondsSince(start), "ms");

  const HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr,
                                      nullptr, nullptr, nullptr);
  SongListBox list(parent, 1, RECT{0, 0, 200, 200});
  start = Clock::now();
  list.SetFolder(folder);
  Report("fill the song list with 100,000 songs", MillisecondsSince(start), "ms");
  Report("songs listed", list.Count(), "songs");
  DestroyWindow(parent);
}

}  // namespace sonorix::bench
