// The command bot in a room that echoes it: the owner types a line, and every line the bot
// sends comes back as the owner's own line, as the stand-in client shows it (tags removed by
// its rule). The replies must die out within a few rounds, whatever the line, the style's
// decoration and colours, and the song names; sends that go on are a reply loop.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "aolsim/chat_markup.h"
#include "fakes/fake_bot_parts.h"
#include "fuzz_check.h"

namespace sonorix {
namespace {

// A reply answers a command once; its echo answers nothing. Rounds beyond that leave room
// for a reply whose echo is, by design, another command's line.
constexpr int kRounds = 6;

// One chat line: what a line of the room can hold.
std::string LineText(FuzzedDataProvider& input, std::size_t length) {
  std::string text = input.ConsumeRandomLengthString(length);
  std::erase(text, '\r');
  std::erase(text, '\n');
  return text;
}

void SetUp(testing::BotRig& rig, FuzzedDataProvider& input) {
  const std::string file = rig.settings.StyleFile("neon");
  rig.settings.WriteIni("styles", "ascii", LineText(input, 12), file);
  rig.settings.WriteIni("styles", "acolor", LineText(input, 8), file);
  for (int i = input.ConsumeIntegralInRange(0, 3); i > 0; --i) {
    rig.songs.names.push_back(LineText(input, 12) + ".mp3");
  }
  rig.songs.selected = input.ConsumeIntegralInRange(-1, 3);
  rig.media.state = input.ConsumeBool() ? PlayState::Playing : PlayState::Stopped;
}

// Feeds the bot its own lines back until the room falls quiet.
void EchoUntilQuiet(testing::BotRig& rig, std::size_t& echoed) {
  for (int round = 0; round < kRounds; ++round) {
    const auto lines = rig.client.Lines();
    if (lines.size() == echoed) return;
    for (std::size_t i = echoed; i < lines.size(); ++i) rig.Say(aolsim::StripTags(lines[i]));
    echoed = lines.size();
  }
  const auto lines = rig.client.Lines();
  if (lines.size() == echoed) return;
  std::fprintf(stderr, "finding: still sending after %d rounds, last \"%s\"\n", kRounds,
               lines.back().c_str());
  fuzz::Require(false, "the bot's replies to itself die out");
}

}  // namespace
}  // namespace sonorix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider input(bytes, size);
  sonorix::testing::BotRig rig;
  sonorix::SetUp(rig, input);
  std::size_t echoed = 0;
  for (int line = 0; line < 8 && input.remaining_bytes() > 0; ++line) {
    rig.Say(sonorix::LineText(input, 40));
    sonorix::EchoUntilQuiet(rig, echoed);
  }
  return 0;
}
