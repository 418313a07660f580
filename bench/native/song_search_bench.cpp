// A song search over a very large folder, beside the floor for it: one
// memmem pass over the same names held in one buffer, timed in the same run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <ctime>
#include <string>

#include "chattext/text_helpers.h"
#include "player/song_names.h"

namespace sonorix {
namespace {

constexpr int kSongs = 100'000;

std::string SongName(int i) {
  return "Artist " + std::to_string(i % 977) + " - Track " + std::to_string(i) + ".mp3";
}

SongNames ManyNames() {
  SongNames names;
  for (int i = 0; i < kSongs; ++i) names.Add(SongName(i));
  return names;
}

// The names as the search reads them, one after another.
std::string OneBuffer() {
  std::string buffer;
  for (int i = 0; i < kSongs; ++i) buffer += LowerCase(StripSpaces(SongName(i))) + '\n';
  return buffer;
}

int MemmemHits(const std::string& buffer, const std::string& wanted) {
  int hits = 0;
  const char* at = buffer.data();
  const char* end = buffer.data() + buffer.size();
  while ((at = static_cast<const char*>(memmem(at, end - at, wanted.data(), wanted.size())))) {
    ++hits;
    at += wanted.size();
  }
  return hits;
}

template <typename Search>
double MeanCpuMilliseconds(Search search, int runs) {
  const std::clock_t start = std::clock();
  for (int i = 0; i < runs; ++i) benchmark::DoNotOptimize(search());
  return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC / runs;
}

// What "p" does with its text: names holding it, blanks ignored. The
// text of the second case is in no name, so every byte is read.
void BM_PlaySearch100k(benchmark::State& state, const std::string& text) {
  const SongNames names = ManyNames();
  const std::string buffer = OneBuffer();
  const std::string wanted = LowerCase(StripSpaces(text));
  for (auto _ : state) benchmark::DoNotOptimize(names.Containing(text, true));

  const double ours = MeanCpuMilliseconds([&] { return names.Containing(text, true).size(); }, 50);
  const double floor = MeanCpuMilliseconds([&] { return MemmemHits(buffer, wanted); }, 50);
  state.counters["memmem_cpu_ms"] = floor;
  state.counters["ours_cpu_ms"] = ours;
  state.counters["ratio"] = ours / floor;
}
BENCHMARK_CAPTURE(BM_PlaySearch100k, one_song, std::string("Track 4242.mp3"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlaySearch100k, no_song, std::string("Track 4242x"))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sonorix
