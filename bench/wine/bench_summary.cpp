#include "wine/bench_summary.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace sonorix::bench {

namespace {

// Tabs part the fields; no figure's name holds one.
constexpr char kField = '\t';

std::string Compared(const SummaryRow& row) {
  char text[32] = "";
  if (row.comparison == "-")
    std::snprintf(text, sizeof text, "%+.2f %s", row.ours - row.floor, row.unit.c_str());
  if (row.comparison == "/" && row.floor > 0) {
    std::snprintf(text, sizeof text, "%.2fx", row.ours / row.floor);
  }
  return text;
}

}  // namespace

void AddSummary(const SummaryRow& row) {
  const char* path = std::getenv("SONORIX_BENCH_SUMMARY");
  if (path == nullptr || *path == '\0') return;
  std::ofstream(path, std::ios::app)
      << row.figure << kField << row.ours << kField << row.floor << kField << row.unit << kField
      << row.comparison << kField << row.goal << kField << (row.met ? 1 : 0) << "\n";
}

void PrintSummary(const std::string& path) {
  std::ifstream file(path);
  std::printf("\n%-52s %12s %12s %13s  %-30s %s\n", "figure", "ours", "floor", "ours vs floor",
              "goal", "met");
  for (std::string line; std::getline(file, line);) {
    std::istringstream fields(line);
    SummaryRow row;
    std::string number, met;
    std::getline(fields, row.figure, kField);
    std::getline(fields, number, kField);
    row.ours = std::atof(number.c_str());
    std::getline(fields, number, kField);
    row.floor = std::atof(number.c_str());
    std::getline(fields, row.unit, kField);
    std::getline(fields, row.comparison, kField);
    std::getline(fields, row.goal, kField);
    std::getline(fields, met, kField);
    std::printf("%-52s %8.2f %-3s %8.2f %-3s %13s  %-30s %s\n", row.figure.c_str(), row.ours,
                row.unit.c_str(), row.floor, row.unit.c_str(), Compared(row).c_str(),
                row.goal.c_str(), met == "1" ? "yes" : "NO");
  }
  std::fflush(stdout);
}

}  // namespace sonorix::bench
