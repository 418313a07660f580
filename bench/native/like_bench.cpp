// The wildcard match at its worst: a long pattern of classes after a star,
// against a long line that almost matches at every start. Beside it the
// previous design, which read each class from the pattern text again at
// every step, so the gain stays visible.
#include <benchmark/benchmark.h>

#include <ctime>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "chattext/like_pattern.h"

namespace sonorix {
namespace {

namespace previous_design {

struct CharClass {
  bool negated = false;
  std::vector<std::pair<char, char>> ranges;
  std::size_t length = 0;
  bool Matches(char c) const {
    bool inList = false;
    for (const auto& [low, high] : ranges) inList = inList || (low <= c && c <= high);
    return inList != negated;
  }
};

std::optional<CharClass> ReadClass(const std::string& pattern, std::size_t at) {
  CharClass result;
  std::size_t i = at + 1;
  if (i < pattern.size() && pattern[i] == '!') {
    result.negated = true;
    ++i;
  }
  for (; i < pattern.size() && pattern[i] != ']'; ++i) {
    if (i + 2 < pattern.size() && pattern[i + 1] == '-' && pattern[i + 2] != ']') {
      result.ranges.emplace_back(pattern[i], pattern[i + 2]);
      i += 2;
    } else {
      result.ranges.emplace_back(pattern[i], pattern[i]);
    }
  }
  if (i >= pattern.size()) return std::nullopt;
  result.length = i - at + 1;
  return result;
}

// ASCII only, which the benchmark's texts are; the matching loop as it was.
bool Like(const std::string& text, const std::string& pattern) {
  std::size_t t = 0, p = 0;
  std::optional<std::pair<std::size_t, std::size_t>> star;
  while (t < text.size()) {
    std::optional<CharClass> cls;
    if (p < pattern.size() && pattern[p] == '[') cls = ReadClass(pattern, p);
    if (p < pattern.size() && pattern[p] == '*') {
      star = {++p, t};
    } else if (p < pattern.size() && (cls ? cls->Matches(text[t]) : pattern[p] == text[t])) {
      p += cls ? cls->length : 1;
      ++t;
    } else if (star) {
      p = star->first;
      t = ++star->second;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace previous_design

// 200 pattern characters: a star, 33 classes that every "a" passes, and a
// final "b" that no character of the line is.
std::string WorstPattern() {
  std::string pattern = "*";
  while (pattern.size() + 6 < 200) pattern += "[a-cx]";
  return pattern + std::string(200 - pattern.size(), 'b');
}

const std::string kWorstLine(2000, 'a');

// Processor time, like the benchmark's CPU column: the ratio holds on a busy machine too.
template <typename Match>
double MeanCpuMilliseconds(Match match, int runs) {
  const std::clock_t start = std::clock();
  for (int i = 0; i < runs; ++i) benchmark::DoNotOptimize(match());
  return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC / runs;
}

// The timed loop is the current design; the previous one is timed by hand
// beside it on the same input, so the report shows both and the ratio.
void BM_LikeWorstCase(benchmark::State& state) {
  const std::string pattern = WorstPattern();
  for (auto _ : state) benchmark::DoNotOptimize(Like(kWorstLine, pattern));

  const double current = MeanCpuMilliseconds([&] { return Like(kWorstLine, pattern); }, 200);
  const double previous =
      MeanCpuMilliseconds([&] { return previous_design::Like(kWorstLine, pattern); }, 20);
  state.counters["previous_cpu_ms"] = previous;
  state.counters["ratio"] = previous / current;
}
BENCHMARK(BM_LikeWorstCase)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sonorix
