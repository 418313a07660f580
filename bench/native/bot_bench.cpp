// What one chat line costs the bot.
#include <benchmark/benchmark.h>

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

}  // namespace
}  // namespace sonorix
