// The closing table of a benchmark run: each figure beside the floor
// measured in the same run and its goal. The parts of a run are separate
// processes, so each appends its rows to the file SONORIX_BENCH_SUMMARY
// names, and `wine_bench summary <file>` prints them as one table.
#pragma once

#include <string>

namespace sonorix::bench {

struct SummaryRow {
  std::string figure;
  double ours = 0;
  double floor = 0;
  std::string unit;
  // How ours stands to the floor: "-" a difference, "/" a ratio, "" none.
  std::string comparison;
  std::string goal;
  bool met = false;
};

// Nothing when SONORIX_BENCH_SUMMARY is not set.
void AddSummary(const SummaryRow& row);
void PrintSummary(const std::string& path);

}  // namespace sonorix::bench
