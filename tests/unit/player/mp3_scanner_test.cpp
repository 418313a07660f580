#include "player/mp3_scanner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "unit/player/mp3_test_data.h"

namespace sonorix::mp3_test {
namespace {

// ---- Files made by sox and lame at build time -------------------------------------------

struct GeneratedMp3 {
  const char* name;
  MpegVersion version;
  int sample_rate;
  int channels;
  std::optional<VbrTagKind> tag;
  bool has_id3v2 = false;  // lame then writes a TLEN length, which sox reports instead
  bool has_id3v1 = false;
};

void PrintTo(const GeneratedMp3& file, std::ostream* out) { *out << file.name; }

struct Reference {
  double sox_seconds = 0;
  long long source_samples = 0;
};

Reference ReadReference(const std::string& name) {
  std::ifstream in(std::string(SONORIX_TEST_MP3_DIR) + "/" + name + ".txt");
  Reference reference;
  in >> reference.sox_seconds >> reference.source_samples;
  EXPECT_TRUE(in) << name;
  return reference;
}

class GeneratedMp3Test : public testing::TestWithParam<GeneratedMp3> {
 protected:
  const Data data_ = ReadTestFile(std::string(GetParam().name) + ".mp3");
  const Reference reference_ = ReadReference(GetParam().name);
  const std::optional<Mp3Info> info_ = ScanMp3(data_);
};

TEST_P(GeneratedMp3Test, ReadsTheStreamFormat) {
  ASSERT_TRUE(info_);
  EXPECT_EQ(info_->version, GetParam().version);
  EXPECT_EQ(info_->sample_rate, GetParam().sample_rate);
  EXPECT_EQ(info_->channels, GetParam().channels);
  ASSERT_EQ(info_->vbr_tag.has_value(), GetParam().tag.has_value());
  if (!info_->vbr_tag) return;
  EXPECT_EQ(info_->vbr_tag->kind, *GetParam().tag);
  EXPECT_EQ(info_->vbr_tag->frame_count, info_->FrameCount());
}

// lame writes frames back to back, so a wrong frame size shows as a gap or a short end.
TEST_P(GeneratedMp3Test, FramesCoverTheAudioWithoutGaps) {
  ASSERT_TRUE(info_);
  const std::size_t end = data_.size() - (GetParam().has_id3v1 ? 128 : 0);
  EXPECT_EQ(info_->audio.end, end);
  EXPECT_EQ(info_->audio_frame_bytes, info_->audio.end - info_->audio.begin);
  EXPECT_EQ(info_->audio.begin, info_->frame_offsets.front());
  if (GetParam().has_id3v2) return;
  const auto first = ParseMp3FrameHeader(data_);
  ASSERT_TRUE(first);
  EXPECT_EQ(info_->audio.begin, GetParam().tag ? first->FrameBytes() : 0);
}

TEST_P(GeneratedMp3Test, DurationsMatchSoxAndTheSource) {
  ASSERT_TRUE(info_);
  const double one_frame = info_->FrameStartSeconds(1);
  const double sox_rounding = 0.001;  // sox counts whole milliseconds
  const auto gapless = info_->GaplessDurationSeconds();
  if (GetParam().has_id3v2) {
    ASSERT_TRUE(gapless);
    EXPECT_NEAR(*gapless, reference_.sox_seconds, sox_rounding);
  } else {
    // sox sizes a CBR file by its bytes, counting the Info frame and an ID3v1 tag as audio.
    const double id3v1_as_audio = GetParam().has_id3v1 ? 128.0 * 8 / 128000 : 0;
    EXPECT_NEAR(info_->DurationSeconds(), reference_.sox_seconds,
                one_frame + id3v1_as_audio + sox_rounding);
  }
  ASSERT_EQ(gapless.has_value(), GetParam().tag.has_value());
  if (gapless) {
    EXPECT_DOUBLE_EQ(*gapless,
                     static_cast<double>(reference_.source_samples) / GetParam().sample_rate);
  }
}

TEST_P(GeneratedMp3Test, EveryPrefixKeepsItsWholeFrames) {
  ASSERT_TRUE(info_);
  if (GetParam().has_id3v1) return;  // a prefix would cut the ID3v1 tag off
  std::vector<std::size_t> frame_ends(info_->frame_offsets.begin() + 1, info_->frame_offsets.end());
  frame_ends.push_back(info_->audio.end);
  const std::size_t step = data_.size() / 500 + 1;
  for (std::size_t length = 0; length <= data_.size(); length += step) {
    const auto prefix = ScanMp3(std::span(data_).first(length));
    const auto whole = static_cast<std::size_t>(
        std::upper_bound(frame_ends.begin(), frame_ends.end(), length) - frame_ends.begin());
    ASSERT_EQ(prefix ? prefix->FrameCount() : 0, whole) << "length " << length;
  }
}

INSTANTIATE_TEST_SUITE_P(
    SoxAndLame, GeneratedMp3Test,
    testing::Values(
        GeneratedMp3{"cbr128", MpegVersion::kMpeg1, 44100, 2, VbrTagKind::kInfo},
        GeneratedMp3{"vbr", MpegVersion::kMpeg1, 44100, 2, VbrTagKind::kXing},
        GeneratedMp3{"mono", MpegVersion::kMpeg1, 44100, 1, VbrTagKind::kInfo},
        GeneratedMp3{"crc", MpegVersion::kMpeg1, 44100, 2, VbrTagKind::kInfo},
        GeneratedMp3{"mpeg2", MpegVersion::kMpeg2, 22050, 2, VbrTagKind::kInfo},
        GeneratedMp3{"mpeg25", MpegVersion::kMpeg25, 8000, 1, std::nullopt},
        GeneratedMp3{"id3v2", MpegVersion::kMpeg1, 44100, 2, VbrTagKind::kInfo, true, true},
        GeneratedMp3{"id3v1", MpegVersion::kMpeg1, 44100, 2, VbrTagKind::kInfo, false, true},
        GeneratedMp3{"notag", MpegVersion::kMpeg1, 44100, 2, std::nullopt}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(Mp3ScannerFiles, TaggedEncodesHoldTheSameFramesAsTheUntaggedOne) {
  const Data plain = ReadTestFile("cbr128.mp3");
  const auto expected = ScanMp3(plain);
  ASSERT_TRUE(expected);
  for (const char* name : {"id3v2.mp3", "id3v1.mp3"}) {
    SCOPED_TRACE(name);
    const Data tagged = ReadTestFile(name);
    const auto info = ScanMp3(tagged);
    ASSERT_TRUE(info);
    const std::size_t front_tag = tagged.size() - plain.size() - 128;
    ASSERT_EQ(info->FrameCount(), expected->FrameCount());
    for (std::size_t i = 0; i < info->FrameCount(); ++i) {
      ASSERT_EQ(info->frame_offsets[i], expected->frame_offsets[i] + front_tag) << i;
    }
  }
}

TEST(Mp3ScannerFiles, XingTagDescribesTheVbrStream) {
  const Data data = ReadTestFile("vbr.mp3");
  const auto info = ScanMp3(data);
  ASSERT_TRUE(info && info->vbr_tag);
  EXPECT_EQ(info->vbr_tag->byte_count, data.size());
  ASSERT_EQ(info->vbr_tag->toc.size(), 100u);
  EXPECT_TRUE(std::is_sorted(info->vbr_tag->toc.begin(), info->vbr_tag->toc.end()));
  std::vector<std::size_t> sizes;
  for (std::size_t offset : info->frame_offsets) {
    sizes.push_back(ParseMp3FrameHeader(std::span(data).subspan(offset))->FrameBytes());
  }
  EXPECT_LT(*std::min_element(sizes.begin(), sizes.end()),
            *std::max_element(sizes.begin(), sizes.end()));
}

TEST(Mp3ScannerFiles, FrameAtFindsTheFrameHoldingATime) {
  const auto info = ScanMp3(ReadTestFile("vbr.mp3"));
  ASSERT_TRUE(info);
  const double half_sample = 0.5 / info->sample_rate;
  for (std::size_t k = 0; k < info->FrameCount(); ++k) {
    const auto at_start = info->FrameAt(info->FrameStartSeconds(k));
    ASSERT_TRUE(at_start) << k;
    EXPECT_EQ(at_start->index, k);
    EXPECT_EQ(at_start->offset, info->frame_offsets[k]);
    const auto before_end = info->FrameAt(info->FrameStartSeconds(k + 1) - half_sample);
    ASSERT_TRUE(before_end) << k;
    EXPECT_EQ(before_end->index, k);
  }
  EXPECT_FALSE(info->FrameAt(info->DurationSeconds()));
  EXPECT_FALSE(info->FrameAt(-half_sample));
  EXPECT_FALSE(info->FrameAt(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(info->FrameAt(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(info->FrameAt(1e300));
}

TEST(Mp3ScannerFiles, ACbrFileHasItsBitrateAndCutKeepsItsFramesButNotItsGaplessLength) {
  Data data = ReadTestFile("cbr128.mp3");
  const auto whole = ScanMp3(data);
  ASSERT_TRUE(whole);
  EXPECT_NEAR(whole->AverageBitrateKbps(), 128.0, 0.1);
  data.resize(whole->frame_offsets[50] + 100);
  const auto cut = ScanMp3(data);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->FrameCount(), 50u);
  EXPECT_FALSE(cut->GaplessDurationSeconds());
}

// ---- Headers -----------------------------------------------------------------------------

TEST(Mp3FrameHeader, DecodesVersionsRatesAndSizes) {
  struct Case {
    Header header;
    MpegVersion version;
    int sample_rate, bitrate_kbps;
    ChannelMode mode;
    std::size_t frame_bytes;
    int samples_per_frame;
  };
  using enum MpegVersion;
  using enum ChannelMode;
  const Case cases[] = {
      {{0xFF, 0xFA, 0x92, 0xC0}, kMpeg1, 44100, 128, kMono, 418, 1152},  // CRC, padded
      {{0xFF, 0xF3, 0x84, 0x40}, kMpeg2, 24000, 64, kJointStereo, 192, 576},
      {{0xFF, 0xE3, 0x28, 0xC4}, kMpeg25, 8000, 16, kMono, 144, 576}};
  for (const Case& c : cases) {
    const auto header = ParseMp3FrameHeader(c.header);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->version, c.version);
    EXPECT_EQ(header->sample_rate, c.sample_rate);
    EXPECT_EQ(header->bitrate_kbps, c.bitrate_kbps);
    EXPECT_EQ(header->channel_mode, c.mode);
    EXPECT_EQ(header->FrameBytes(), c.frame_bytes);
    EXPECT_EQ(header->SamplesPerFrame(), c.samples_per_frame);
  }
  EXPECT_TRUE(ParseMp3FrameHeader(cases[0].header)->has_crc);
}

}  // namespace
}  // namespace sonorix::mp3_test
