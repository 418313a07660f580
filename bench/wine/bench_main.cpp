#include <cstring>

#include "wine/bench_report.h"

int main(int argc, char** argv) {
  const bool all = argc < 2;
  if (all || std::strcmp(argv[1], "program") == 0) sonorix::bench::RunProgramBench();
  if (all || std::strcmp(argv[1], "cpu") == 0) sonorix::bench::RunProcessorBench();
  if (all || std::strcmp(argv[1], "listing") == 0) sonorix::bench::RunListingBench();
  return 0;
}
