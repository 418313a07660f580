#include "player/win32/acm_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "player/win32/loaded_song.h"
#include "player/win32/playback_session.h"
#include "wine/test_mp3.h"

namespace sonorix {
namespace {

using testing::TestMp3;

// The left channel (or the only one) as samples.
std::vector<std::int16_t> FirstChannel(const std::vector<std::uint8_t>& pcm, int channels) {
  std::vector<std::int16_t> out;
  const std::size_t step = 2 * static_cast<std::size_t>(channels);
  for (std::size_t i = 0; i + 1 < pcm.size(); i += step) {
    std::int16_t sample = 0;
    std::memcpy(&sample, &pcm[i], sizeof(sample));
    out.push_back(sample);
  }
  return out;
}

std::vector<std::uint8_t> DecodeFrames(const LoadedSong& song, std::size_t first) {
  const auto decoder = AcmMp3Decoder::Open(song.info);
  EXPECT_TRUE(decoder);
  std::vector<std::uint8_t> pcm;
  if (!decoder) return pcm;
  for (std::size_t frame = first; frame < song.info.FrameCount(); frame += 4) {
    EXPECT_TRUE(decoder->Decode(song.Frames(frame, frame + 4), pcm));
  }
  EXPECT_TRUE(decoder->Finish(pcm));
  return pcm;
}

int ZeroCrossings(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
  int crossings = 0;
  for (std::size_t i = from + 1; i < to && i < samples.size(); ++i) {
    if ((samples[i - 1] < 0) != (samples[i] < 0)) ++crossings;
  }
  return crossings;
}

class AcmDecoderTest : public ::testing::TestWithParam<const char*> {
 protected:
  const std::shared_ptr<const LoadedSong> song_ = LoadSong(TestMp3(GetParam()));
};

TEST_P(AcmDecoderTest, DecodesEveryFrameToTheTone) {
  ASSERT_TRUE(song_);
  const Mp3Info& info = song_->info;
  const auto samples = FirstChannel(DecodeFrames(*song_, 0), info.channels);
  const auto expected = info.FrameCount() * static_cast<std::size_t>(info.samples_per_frame);
  // A codec may keep back a frame's worth of its delay line.
  EXPECT_LE(samples.size(), expected);
  EXPECT_GE(samples.size() + static_cast<std::size_t>(info.samples_per_frame), expected);

  // The sox tone is 440 Hz: 880 zero crossings a second, away from the fades at the ends.
  const auto second = static_cast<std::size_t>(info.sample_rate);
  EXPECT_NEAR(ZeroCrossings(samples, second / 2, second / 2 + second), 880, 10);
  const auto loudest = std::max_element(samples.begin(), samples.end(),
                                        [](auto a, auto b) { return std::abs(a) < std::abs(b); });
  EXPECT_GT(std::abs(*loudest), 10000);
}

// Decoding from where a seek starts, its lead-in dropped, gives what decoding from the start
// gives at that frame: the bit reservoir and the overlap were both there.
TEST_P(AcmDecoderTest, SeekLeadInRebuildsTheTargetFrame) {
  ASSERT_TRUE(song_);
  const Mp3Info& info = song_->info;
  const auto spf = static_cast<std::size_t>(info.samples_per_frame);
  const auto whole = FirstChannel(DecodeFrames(*song_, 0), info.channels);
  for (const std::size_t target :
       {info.FrameCount() / 4, info.FrameCount() / 2, info.FrameCount() - 3}) {
    const std::size_t start = DecodeStartFrame(*song_, target);
    ASSERT_LT(start, target);
    const auto sought = FirstChannel(DecodeFrames(*song_, start), info.channels);
    const std::size_t skip = (target - start) * spf;
    ASSERT_GE(sought.size(), skip + spf);
    int worst = 0;
    for (std::size_t i = 0; i < spf; ++i) {
      worst = std::max(worst, std::abs(sought[skip + i] - whole[target * spf + i]));
    }
    EXPECT_LE(worst, 64) << "start " << start << " for frame " << target;
  }
}

INSTANTIATE_TEST_SUITE_P(Files, AcmDecoderTest,
                         ::testing::Values("cbr128.mp3", "vbr.mp3", "mono.mp3"),
                         [](const auto& info) {
                           std::string name = info.param;
                           return name.substr(0, name.find('.'));
                         });

}  // namespace
}  // namespace sonorix
