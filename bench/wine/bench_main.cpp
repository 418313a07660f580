#include <cstdlib>
#include <cstring>

#include "wine/bench_report.h"
#include "wine/bench_summary.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  if (std::strcmp(argv[1], "program") == 0) sonorix::bench::RunProgramBench();
  if (std::strcmp(argv[1], "calls") == 0) sonorix::bench::RunWindowApiBench();
  if (std::strcmp(argv[1], "steps") == 0) sonorix::bench::RunReplyStepsBench();
  if (std::strcmp(argv[1], "playback") == 0) sonorix::bench::RunPlaybackBench();
  if (std::strcmp(argv[1], "gapless") == 0) sonorix::bench::RunGaplessBench();
  if (std::strcmp(argv[1], "listing") == 0 && argc > 2) sonorix::bench::RunListingBench(argv[2]);
  if (std::strcmp(argv[1], "floor") == 0) sonorix::bench::RunFloorBench();
  if (std::strcmp(argv[1], "memory") == 0) sonorix::bench::RunMemoryBench(argc > 2 ? argv[2] : "");
  if (std::strcmp(argv[1], "slow") == 0) sonorix::bench::RunSlowReplyBench();
  if (std::strcmp(argv[1], "resident") == 0) sonorix::bench::RunResidentBench();
  if (std::strcmp(argv[1], "summary") == 0 && argc > 2) sonorix::bench::PrintSummary(argv[2]);
  if (std::strcmp(argv[1], "large") == 0 && argc > 3) {
    sonorix::bench::RunLargeFolderBench(argv[2], std::atoi(argv[3]));
  }
  return 0;
}
