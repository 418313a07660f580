// Finds the MPEG audio Layer III frames of an MP3 file held in memory (read or mapped), so
// the player can show a duration, hand whole frames to the decoder and seek to a frame.
// Only headers are read; the audio itself is decoded elsewhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace sonorix {

enum class MpegVersion { kMpeg1, kMpeg2, kMpeg25 };

// In the order of the header's two mode bits.
enum class ChannelMode { kStereo, kJointStereo, kDualChannel, kMono };

struct Mp3FrameHeader {
  MpegVersion version = MpegVersion::kMpeg1;
  int bitrate_kbps = 0;
  int sample_rate = 0;
  bool padded = false;
  bool has_crc = false;
  ChannelMode channel_mode = ChannelMode::kStereo;

  int Channels() const { return channel_mode == ChannelMode::kMono ? 1 : 2; }
  int SamplesPerFrame() const { return version == MpegVersion::kMpeg1 ? 1152 : 576; }
  // Header included; the next frame starts this many bytes after this one.
  std::size_t FrameBytes() const;
};

// The Layer III header in the first four bytes, or nullopt when there is none there: fewer
// than four bytes, no sync, another layer, free-format or invalid bitrate, reserved fields.
std::optional<Mp3FrameHeader> ParseMp3FrameHeader(std::span<const std::uint8_t> bytes);

enum class VbrTagKind { kXing, kInfo, kVbri };

// The tag an encoder writes into a first frame that carries no audio.
struct VbrTag {
  VbrTagKind kind = VbrTagKind::kXing;
  std::optional<std::uint32_t> frame_count;  // as stored; LAME leaves out the tag's own frame
  std::optional<std::uint32_t> byte_count;   // as stored, tags included or not by the encoder
  std::vector<std::uint8_t> toc;             // Xing/Info's 100 seek points, or empty
  std::optional<int> encoder_delay;          // samples, from a LAME (or Lavf/Lavc) extension
  std::optional<int> encoder_padding;        // samples, same source
};

// Half-open [begin, end) in bytes from the start of the scanned data.
struct ByteRange {
  std::size_t begin = 0;
  std::size_t end = 0;
};

struct FramePosition {
  std::size_t index = 0;
  std::size_t offset = 0;  // of the frame header, from the start of the scanned data
};

struct Mp3Info {
  MpegVersion version = MpegVersion::kMpeg1;
  int sample_rate = 0;
  int channels = 0;
  ChannelMode channel_mode = ChannelMode::kStereo;
  int samples_per_frame = 0;
  // One entry per audio frame, in order; the VBR tag's frame is not among them.
  std::vector<std::size_t> frame_offsets;
  std::size_t audio_frame_bytes = 0;  // the audio frames alone, junk between them left out
  ByteRange audio;                    // first audio frame to the end of the last one
  std::optional<VbrTag> vbr_tag;

  std::size_t FrameCount() const { return frame_offsets.size(); }

  // frames * samples per frame / sample rate. This is the one a player shows and seeks in:
  // the Windows ACM decoder plays every frame untrimmed, and FrameAt and FrameStartSeconds use
  // the same time base. `sox --i -D` agrees within a frame, except that it sizes a CBR file
  // by its bytes (so an ID3v1 tag adds to its figure) and takes an ID3v2 TLEN length when
  // there is one (for LAME files that is the gapless length).
  double DurationSeconds() const;

  // (frames * samples per frame - encoder delay - padding) / sample rate: the length of the
  // source before encoding, for a decoder that trims. Nullopt without a LAME extension, or
  // when its frame count disagrees with the frames found (a cut or edited file).
  std::optional<double> GaplessDurationSeconds() const;

  double AverageBitrateKbps() const;

  // The frame holding that moment, or nullopt for a negative, NaN or past-the-end time.
  std::optional<FramePosition> FrameAt(double seconds) const;

  // Valid up to FrameCount(), which gives the end of the last frame.
  double FrameStartSeconds(std::size_t index) const;
};

// Skips ID3v2 tags at the start, ID3v1 and APEv2 tags at the end and junk before the first
// frame. A first frame, or the first after damage, counts only when the next three headers
// are where each frame says (or the data ends on the way), so stray sync bytes in junk do not
// pass as audio; damage within the first four frames therefore costs the frames before it.
// A file cut short keeps its whole frames. Nullopt when there is no audio frame at all.
std::optional<Mp3Info> ScanMp3(std::span<const std::uint8_t> data);

}  // namespace sonorix
