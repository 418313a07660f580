#include "player/mp3_scanner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>

#include "unit/player/mp3_test_data.h"

namespace sonorix::mp3_test {
namespace {

Data Id3v2Tag(std::uint8_t major, const Data& payload, bool footer) {
  const auto size = payload.size();
  Data header = {'I', 'D', '3', major, 0, static_cast<std::uint8_t>(footer ? 0x10 : 0)};
  for (int shift = 21; shift >= 0; shift -= 7) {
    header.push_back(static_cast<std::uint8_t>((size >> shift) & 0x7F));
  }
  Data tail = header;
  const Data footer_id = Text("3DI");
  std::copy(footer_id.begin(), footer_id.end(), tail.begin());
  return Join({header, payload, footer ? tail : Data{}});
}

Data ApeTag(const Data& items, bool with_header) {
  auto block = [&](bool is_header) {
    Data out = Text("APETAGEX");
    const std::uint32_t size = static_cast<std::uint32_t>(items.size() + 32);
    const std::uint32_t flags = (with_header ? 0x80000000u : 0) | (is_header ? 0x20000000u : 0);
    for (std::uint32_t value : {2000u, size, 1u, flags}) {
      for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    out.resize(32);
    return out;
  };
  return Join({with_header ? block(true) : Data{}, items, block(false)});
}

// ---- Input that holds no MP3 audio -------------------------------------------------------

struct RefusedInput {
  const char* name;
  Data data;
};

void PrintTo(const RefusedInput& input, std::ostream* out) { *out << input.name; }

class Mp3ScannerRefuses : public testing::TestWithParam<RefusedInput> {};

TEST_P(Mp3ScannerRefuses, WithoutFrames) { EXPECT_FALSE(ScanMp3(GetParam().data)); }

// Random bytes holding runs of `run` headers, each where the one before says the next is.
Data SyncRunsInJunk(int run) {
  Data data = RandomBytes(6000, 7);
  for (std::size_t start = 0; start + 3 * kFrame128 + 4 < data.size(); start += 1500) {
    for (int i = 0; i < run; ++i) {
      const auto at = static_cast<std::ptrdiff_t>(start + static_cast<std::size_t>(i) * kFrame128);
      std::copy(kHeader128.begin(), kHeader128.end(), data.begin() + at);
    }
  }
  return data;
}

// The tag's frame carries no audio, so nothing is left.
Data InfoFrameAlone() {
  Data frame = Frames(kHeader128, 1);
  const Data magic = Text("Info");
  std::copy(magic.begin(), magic.end(), frame.begin() + 36);
  return frame;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Mp3ScannerRefuses,
    testing::Values(RefusedInput{"Empty", {}}, RefusedInput{"PcmWave", ReadTestFile("vbr.wav")},
                    RefusedInput{"Text", Text(std::string(5000, 'x') + "\n")},
                    RefusedInput{"RandomBytes", RandomBytes(1 << 20, 1)},
                    RefusedInput{"CutHeader", Data{0xFF, 0xFB, 0x90}},
                    RefusedInput{"LayerII", Frames({0xFF, 0xFD, 0x90, 0x00}, 10)},
                    RefusedInput{"LayerI", Frames({0xFF, 0xFF, 0x90, 0x00}, 10)},
                    RefusedInput{"ReservedVersion", Frames({0xFF, 0xEB, 0x90, 0x00}, 10)},
                    RefusedInput{"ReservedSampleRate", Frames({0xFF, 0xFB, 0x9C, 0x00}, 10)},
                    RefusedInput{"BadBitrate", Frames({0xFF, 0xFB, 0xF0, 0x00}, 10)},
                    RefusedInput{"FreeFormat", Frames({0xFF, 0xFB, 0x00, 0x00}, 10)},
                    RefusedInput{"ReservedEmphasis", Frames({0xFF, 0xFB, 0x90, 0x02}, 10)},
                    RefusedInput{"LoneFrameBeforeJunk",
                                 Join({Frames(kHeader128, 1), Data(40, 0x55)})},
                    RefusedInput{"LoneSyncsInJunk", SyncRunsInJunk(1)},
                    RefusedInput{"ShortSyncRunsInJunk", SyncRunsInJunk(3)},
                    RefusedInput{"OnlyAnId3v2Tag", Id3v2Tag(3, Text("TIT2"), false)},
                    RefusedInput{"OnlyAnInfoFrame", InfoFrameAlone()},
                    RefusedInput{"Id3v2SizePastTheEnd",
                                 Join({Data{'I', 'D', '3', 3, 0, 0, 0x7F, 0x7F, 0x7F, 0x7F},
                                       Text("no audio here")})}),
    [](const auto& param) { return std::string(param.param.name); });

// ---- Tags and junk around the audio ------------------------------------------------------

TEST(Mp3ScannerTags, StackedId3v2TagsAreSkippedByTheirSizes) {
  // Tag payloads of valid-looking frames would be counted if a size or footer were ignored.
  const Data audio = Frames(kHeader128, 8);
  const Data front =
      Join({Id3v2Tag(4, Frames(kHeader128, 3), true), Id3v2Tag(3, Frames(kHeader128, 5), false)});
  const auto info = ScanMp3(Join({front, audio}));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->FrameCount(), 8u);
  EXPECT_EQ(info->audio.begin, front.size());
}

TEST(Mp3ScannerTags, EndTagsAreLeftOut) {
  const Data audio = Frames(kHeader128, 8);
  // A 104-byte frame (32 kbit/s) fits in ID3v1; a second header after it would confirm it.
  Data id3v1 =
      Join({Text("TAG"), Frames({0xFF, 0xFB, 0x10, 0x00}, 1, 104), Data{0xFF, 0xFB, 0x10, 0x00}});
  id3v1.resize(128);
  const Data ape_items = Frames(kHeader128, 5);  // enough to confirm a chain
  for (bool with_header : {false, true}) {
    for (bool with_id3v1 : {false, true}) {
      SCOPED_TRACE(testing::Message() << "APE header " << with_header << " ID3v1 " << with_id3v1);
      const Data data = Join({audio, ApeTag(ape_items, with_header), with_id3v1 ? id3v1 : Data{}});
      const auto info = ScanMp3(data);
      ASSERT_TRUE(info);
      EXPECT_EQ(info->FrameCount(), 8u);
      EXPECT_EQ(info->audio.end, audio.size());
    }
  }
  const auto info = ScanMp3(Join({audio, id3v1}));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->FrameCount(), 8u);
}

TEST(Mp3ScannerTags, DamagedId3v2SizeStillFindsTheAudioAfterIt) {
  const Data huge = {'I', 'D', '3', 4, 0, 0x10, 0x7F, 0x7F, 0x7F, 0x7F};
  const auto info = ScanMp3(Join({huge, Text("junk"), Frames(kHeader128, 6)}));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->FrameCount(), 6u);
  EXPECT_EQ(info->audio.begin, huge.size() + 4);
}

TEST(Mp3ScannerTags, VbriAndXingFramesAreReadAndAreNotAudio) {
  Data vbri = Frames(kHeader128, 1);
  const Data fields = Join({Text("VBRI"), Data{0, 1, 0, 0, 0, 50, 0, 0, 0x10, 0, 0, 0, 0, 9}});
  std::copy(fields.begin(), fields.end(), vbri.begin() + 36);
  const auto info = ScanMp3(Join({vbri, Frames(kHeader128, 9)}));
  ASSERT_TRUE(info && info->vbr_tag);
  EXPECT_EQ(info->vbr_tag->kind, VbrTagKind::kVbri);
  EXPECT_EQ(info->vbr_tag->byte_count, 0x1000u);
  EXPECT_EQ(info->vbr_tag->frame_count, 9u);
  EXPECT_EQ(info->FrameCount(), 9u);
  EXPECT_EQ(info->audio.begin, kFrame128);

  // A Xing tag after a CRC, with a frame count only.
  constexpr Header kCrcHeader = {0xFF, 0xFA, 0x90, 0x00};
  Data xing = Frames(kCrcHeader, 1);
  const Data count = Join({Text("Xing"), Data{0, 0, 0, 1, 0, 0, 0, 4}});
  std::copy(count.begin(), count.end(), xing.begin() + 4 + 2 + 32);
  const auto crc = ScanMp3(Join({xing, Frames(kCrcHeader, 4)}));
  ASSERT_TRUE(crc && crc->vbr_tag);
  EXPECT_EQ(crc->vbr_tag->kind, VbrTagKind::kXing);
  EXPECT_EQ(crc->vbr_tag->frame_count, 4u);
  EXPECT_EQ(crc->FrameCount(), 4u);
}

// ---- Resync ------------------------------------------------------------------------------

TEST(Mp3ScannerResync, JunkWithStraySyncsBeforeTheAudioIsSkipped) {
  const Data plain = ReadTestFile("cbr128.mp3");
  const auto expected = ScanMp3(plain);
  ASSERT_TRUE(expected);
  const Data junk = SyncRunsInJunk(3);
  const auto info = ScanMp3(Join({junk, plain}));
  ASSERT_TRUE(info && info->vbr_tag);
  ASSERT_EQ(info->FrameCount(), expected->FrameCount());
  EXPECT_EQ(info->frame_offsets.front(), expected->frame_offsets.front() + junk.size());
  EXPECT_EQ(info->frame_offsets.back(), expected->frame_offsets.back() + junk.size());
}

TEST(Mp3ScannerResync, DamagedStretchInsideTheStreamIsSkipped) {
  Data data = Join({Frames(kHeader128, 10), Data(50, 0xFF), Frames(kHeader128, 10)});
  data[5 * kFrame128] = 0;  // a broken header loses that frame only
  const auto info = ScanMp3(data);
  ASSERT_TRUE(info);
  ASSERT_EQ(info->FrameCount(), 19u);
  EXPECT_EQ(info->frame_offsets[5], 6 * kFrame128);
  EXPECT_EQ(info->frame_offsets[9], 10 * kFrame128 + 50);
  EXPECT_EQ(info->audio_frame_bytes, 19 * kFrame128);
}

// The builder the refused inputs use makes accepted frames: one frame alone,
// when it ends the data, and ten.
TEST(Mp3ScannerResync, FramesOfTheBuilderAreAcceptedEvenASingleOneThatEndsTheData) {
  for (const int count : {1, 10}) {
    const auto info = ScanMp3(Frames(kHeader128, count));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->FrameCount(), static_cast<std::size_t>(count));
  }
}

}  // namespace
}  // namespace sonorix::mp3_test
