// What one chat line costs the bot, and how long a song search takes.
#include <benchmark/benchmark.h>

#include "bot/transcript_follower.h"
#include "fakes/fake_bot_parts.h"

namespace sonorix {
namespace {

using testing::BotRig;

void FillSongs(BotRig& rig, int count) {
  rig.songs.names.clear();
  for (int i = 0; i < count; ++i) {
    rig.songs.names.push_back("Artist " + std::to_string(i % 977) + " - Track " +
                              std::to_string(i) + ".mp3");
  }
}

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

void BM_PlaySearch(benchmark::State& state) {
  BotRig rig;
  FillSongs(rig, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    rig.Say("p track 4242");
    rig.choice = SongChoice{};
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PlaySearch)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// One new line at the bottom of a full transcript.
void BM_TranscriptAdvance(benchmark::State& state) {
  std::string transcript;
  for (int i = 0; i < 1000; ++i) transcript += "Member" + std::to_string(i) + ":\tsome line of chat\r\n";
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
