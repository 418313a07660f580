// What one chat line costs the bot.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <utility>

#include "bot/own_lines.h"
#include "bot/transcript_follower.h"
#include "fakes/fake_bot_parts.h"

namespace sonorix {
namespace {

using testing::BotRig;

// The common case: another member chatting. Prelude and gate only.
void BM_DispatchMemberLine(benchmark::State& state) {
  BotRig rig;
  for (auto _ : state) rig.bot.DispatchChatLine("Somebody", "hey what are you all listening to");
}
BENCHMARK(BM_DispatchMemberLine);

// The owner's line that matches nothing runs all 43 pattern tests.
void BM_DispatchOwnerLineNoCommand(benchmark::State& state) {
  BotRig rig;
  for (auto _ : state) rig.Say("just chatting, no command here");
}
BENCHMARK(BM_DispatchOwnerLineNoCommand);

// One new line at the bottom of a full transcript.
void BM_TranscriptAdvance(benchmark::State& state) {
  std::string transcript;
  for (int i = 0; i < 1000; ++i)
    transcript += "Member" + std::to_string(i) + ":\tsome line of chat\r\n";
  TranscriptFollower follower;
  for (auto _ : state) {
    state.PauseTiming();
    follower.Reset(transcript);
    const std::string grown = transcript + "Dorvin:\tp song\r\n";
    state.ResumeTiming();
    benchmark::DoNotOptimize(follower.Advance(grown));
  }
}
BENCHMARK(BM_TranscriptAdvance);

// A reply of n "&;" against its echo with one more character: the walk
// must weigh every rendering. The bounded walk of today beside the full walk
// of the design before, in the same run.
std::pair<std::string, std::string> TangledEcho(std::int64_t n) {
  std::string entities;
  for (std::int64_t i = 0; i < n; ++i) entities += "&;";
  return {"<FONT COLOR=#FF9900>" + entities, entities + "x"};
}

void BM_EchoMatchEntities(benchmark::State& state) {
  const auto [html, text] = TangledEcho(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(MayShowAs(html, text));
}
BENCHMARK(BM_EchoMatchEntities)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_EchoMatchEntitiesFullWalkBaseline(benchmark::State& state) {
  const auto [html, text] = TangledEcho(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(MayShowAsWithin(html, text, SIZE_MAX));
}
BENCHMARK(BM_EchoMatchEntitiesFullWalkBaseline)
    ->Arg(5000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sonorix
