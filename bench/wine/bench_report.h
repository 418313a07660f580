// Printing benchmark results and the small statistics they need.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace sonorix::bench {

inline double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(at, values.size() - 1)];
}

inline void Report(const std::string& name, double value, const std::string& unit) {
  std::printf("%-58s %12.2f %s\n", name.c_str(), value, unit.c_str());
  std::fflush(stdout);
}

// Percent of one core and MiB resident, of a process that plays a song.
struct PlaybackFigures {
  double idle = 0;
  double playing = 0;
  double resident = 0;
  int threads = 0;
};
// The minimal program a moment after it starts playing; with a folder, it
// reads that folder's entries first; with threads, it has that many more
// threads that wait.
PlaybackFigures MeasureFloor(const std::string& listFirst = "", int threads = 0);

void RunProgramBench();
void RunFloorBench();
void RunWindowApiBench();
void RunReplyStepsBench();
void RunPlaybackBench();
void RunGaplessBench();
// The folder is made beforehand: Wine creates files in a big folder slowly.
void RunListingBench(const std::string& folder);
void RunLargeFolderBench(const std::string& folder, int emptySongs);
void RunResidentBench();
// What the program handled while each slow reply waited.
void RunSlowReplyBench();
// Six real songs, "zz real tune.mp3" among them.
std::string SmallMusicFolder();
// The folder's stages; the six songs' for an empty folder name.
void RunMemoryBench(const std::string& music);

}  // namespace sonorix::bench
