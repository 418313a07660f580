#include "player/mp3_scanner.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace sonorix {

namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::size_t kHeaderBytes = 4;
constexpr std::size_t kId3v2HeaderBytes = 10;
constexpr std::size_t kId3v1Bytes = 128;
constexpr std::size_t kApeFooterBytes = 32;
constexpr std::size_t kXingTocBytes = 100;
constexpr std::size_t kVbriOffset = 36;  // fixed, whatever the side information size

// Two headers in a row still turn up by chance in a few megabytes of junk or PCM; asking
// for four makes a false first frame practically impossible.
constexpr int kConfirmHops = 3;

constexpr std::array<int, 16> kMpeg1Kbps = {0,   32,  40,  48,  56,  64,  80,  96,
                                            112, 128, 160, 192, 224, 256, 320, 0};
constexpr std::array<int, 16> kMpeg2Kbps = {0,  8,  16, 24,  32,  40,  48,  56,
                                            64, 80, 96, 112, 128, 144, 160, 0};
constexpr std::array<int, 3> kMpeg1Rates = {44100, 48000, 32000};

bool HasText(Bytes data, std::size_t pos, std::string_view text) {
  if (pos > data.size() || data.size() - pos < text.size()) return false;
  return std::equal(text.begin(), text.end(), data.begin() + static_cast<std::ptrdiff_t>(pos),
                    [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

std::optional<std::uint32_t> ReadBigEndian(Bytes data, std::size_t pos, std::size_t count) {
  if (pos > data.size() || data.size() - pos < count) return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < count; ++i) value = (value << 8) | data[pos + i];
  return value;
}

std::optional<std::uint32_t> ReadLittleEndian32(Bytes data, std::size_t pos) {
  if (pos > data.size() || data.size() - pos < 4) return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t i = 4; i-- > 0;) value = (value << 8) | data[pos + i];
  return value;
}

// The whole tag's size at pos, or nullopt when no well-formed ID3v2 header is there.
std::optional<std::uint64_t> Id3v2TagBytes(Bytes data, std::size_t pos) {
  if (!HasText(data, pos, "ID3") || data.size() - pos < kId3v2HeaderBytes) return std::nullopt;
  const std::uint8_t major = data[pos + 3];
  if (major < 2 || major > 4 || data[pos + 4] == 0xFF) return std::nullopt;
  std::uint64_t size = 0;
  for (std::size_t i = 6; i < kId3v2HeaderBytes; ++i) {
    if (data[pos + i] & 0x80) return std::nullopt;  // sizes are 7 bits a byte
    size = (size << 7) | data[pos + i];
  }
  const bool has_footer = major == 4 && (data[pos + 5] & 0x10) != 0;
  return kId3v2HeaderBytes + size + (has_footer ? kId3v2HeaderBytes : 0);
}

// Past every ID3v2 tag at the front. A tag claiming more bytes than there are is damaged:
// the search goes on right after its header, and the chain check keeps its contents out.
std::size_t SkipId3v2Tags(Bytes data) {
  std::size_t pos = 0;
  while (const auto tag = Id3v2TagBytes(data, pos)) {
    if (*tag > data.size() - pos) return pos + kId3v2HeaderBytes;
    pos += static_cast<std::size_t>(*tag);
  }
  return pos;
}

// Where audio may end, with an ID3v1 tag and an APEv2 tag (before it, or alone) left out.
std::size_t AudioEnd(Bytes data, std::size_t begin) {
  std::size_t end = data.size();
  if (end - begin >= kId3v1Bytes && HasText(data, end - kId3v1Bytes, "TAG")) end -= kId3v1Bytes;
  if (end - begin < kApeFooterBytes) return end;
  const std::size_t footer = end - kApeFooterBytes;
  if (!HasText(data, footer, "APETAGEX")) return end;
  const auto size = ReadLittleEndian32(data, footer + 12);  // items and footer, no header
  const auto flags = ReadLittleEndian32(data, footer + 20);
  if (!size || !flags || *size < kApeFooterBytes) return end;
  const bool has_header = (*flags & 0x80000000u) != 0;
  const std::uint64_t total = std::uint64_t{*size} + (has_header ? kApeFooterBytes : 0);
  return total <= end - begin ? end - static_cast<std::size_t>(total) : end;
}

bool IsMono(const Mp3FrameHeader& header) { return header.channel_mode == ChannelMode::kMono; }

// Fields that cannot change inside one stream; bitrate and stereo coding may.
bool SameStream(const Mp3FrameHeader& a, const Mp3FrameHeader& b) {
  return a.version == b.version && a.sample_rate == b.sample_rate && IsMono(a) == IsMono(b);
}

// True when the following headers sit where each frame says the next begins, or the data
// ends there (a cut-off header or frame at the very end counts as the end).
bool ChainConfirmed(Bytes audio, std::size_t pos, Mp3FrameHeader header) {
  for (int hop = 0; hop < kConfirmHops; ++hop) {
    const std::size_t next = pos + header.FrameBytes();
    if (next > audio.size()) return hop > 0;
    if (audio.size() - next < kHeaderBytes) return true;
    const auto following = ParseMp3FrameHeader(audio.subspan(next));
    if (!following || !SameStream(header, *following)) return false;
    pos = next;
    header = *following;
  }
  return true;
}

struct FoundFrame {
  std::size_t pos = 0;
  Mp3FrameHeader header;
};

// The first confirmed frame at or after `from`; `stream` limits it to frames of that stream.
std::optional<FoundFrame> FindFrame(Bytes audio, std::size_t from,
                                    const std::optional<Mp3FrameHeader>& stream) {
  for (std::size_t pos = from; pos < audio.size() && audio.size() - pos >= kHeaderBytes; ++pos) {
    if (audio[pos] != 0xFF) continue;
    const auto header = ParseMp3FrameHeader(audio.subspan(pos));
    if (!header || (stream && !SameStream(*stream, *header))) continue;
    if (ChainConfirmed(audio, pos, *header)) return FoundFrame{pos, *header};
  }
  return std::nullopt;
}

std::size_t SideInfoBytes(const Mp3FrameHeader& header) {
  if (header.version == MpegVersion::kMpeg1) return IsMono(header) ? 17 : 32;
  return IsMono(header) ? 9 : 17;
}

void ReadEncoderDelay(Bytes frame, std::size_t pos, VbrTag& tag) {
  const bool known =
      HasText(frame, pos, "LAME") || HasText(frame, pos, "Lavf") || HasText(frame, pos, "Lavc");
  if (!known) return;
  const auto packed = ReadBigEndian(frame, pos + 21, 3);  // 12 bits delay, 12 bits padding
  if (!packed) return;
  tag.encoder_delay = static_cast<int>(*packed >> 12);
  tag.encoder_padding = static_cast<int>(*packed & 0xFFF);
}

std::optional<VbrTag> ReadXingTag(Bytes frame, std::size_t pos) {
  VbrTag tag;
  if (HasText(frame, pos, "Xing")) {
    tag.kind = VbrTagKind::kXing;
  } else if (HasText(frame, pos, "Info")) {
    tag.kind = VbrTagKind::kInfo;
  } else {
    return std::nullopt;
  }
  const auto flags = ReadBigEndian(frame, pos + 4, 4);
  if (!flags) return std::nullopt;
  pos += 8;
  if (*flags & 1) {
    tag.frame_count = ReadBigEndian(frame, pos, 4);
    pos += 4;
  }
  if (*flags & 2) {
    tag.byte_count = ReadBigEndian(frame, pos, 4);
    pos += 4;
  }
  if ((*flags & 4) && pos <= frame.size() && frame.size() - pos >= kXingTocBytes) {
    const auto toc = frame.subspan(pos, kXingTocBytes);
    tag.toc.assign(toc.begin(), toc.end());
  }
  if (*flags & 4) pos += kXingTocBytes;
  if (*flags & 8) pos += 4;  // quality
  ReadEncoderDelay(frame, pos, tag);
  return tag;
}

std::optional<VbrTag> ReadVbriTag(Bytes frame) {
  if (!HasText(frame, kVbriOffset, "VBRI")) return std::nullopt;
  const auto bytes = ReadBigEndian(frame, kVbriOffset + 10, 4);
  const auto frames = ReadBigEndian(frame, kVbriOffset + 14, 4);
  if (!bytes || !frames) return std::nullopt;
  VbrTag tag;
  tag.kind = VbrTagKind::kVbri;
  tag.frame_count = frames;
  tag.byte_count = bytes;
  return tag;
}

std::optional<VbrTag> ReadVbrTag(Bytes frame, const Mp3FrameHeader& header) {
  const std::size_t xing = kHeaderBytes + SideInfoBytes(header);
  if (auto tag = ReadXingTag(frame, xing)) return tag;
  // LAME puts the tag at the same place with or without a CRC; others skip the CRC.
  if (header.has_crc) {
    if (auto tag = ReadXingTag(frame, xing + 2)) return tag;
  }
  return ReadVbriTag(frame);
}

// Appends every whole frame of the stream from pos on, resyncing past damaged stretches.
void CollectFrames(Bytes audio, std::size_t pos, const Mp3FrameHeader& stream, Mp3Info& info) {
  while (pos < audio.size()) {
    auto header = ParseMp3FrameHeader(audio.subspan(pos));
    if (!header || !SameStream(stream, *header)) {
      const auto found = FindFrame(audio, pos + 1, stream);
      if (!found) return;
      pos = found->pos;
      header = found->header;
    }
    const std::size_t bytes = header->FrameBytes();
    if (bytes > audio.size() - pos) return;  // cut off: the decoder only gets whole frames
    info.frame_offsets.push_back(pos);
    info.audio_frame_bytes += bytes;
    info.audio.end = pos + bytes;
    pos += bytes;
  }
}

Mp3Info InfoFor(const Mp3FrameHeader& header) {
  Mp3Info info;
  info.version = header.version;
  info.sample_rate = header.sample_rate;
  info.channels = header.Channels();
  info.channel_mode = header.channel_mode;
  info.samples_per_frame = header.SamplesPerFrame();
  return info;
}

}  // namespace

std::size_t Mp3FrameHeader::FrameBytes() const {
  if (sample_rate <= 0) return kHeaderBytes;
  const long long slot_factor = version == MpegVersion::kMpeg1 ? 144 : 72;
  const long long bytes = slot_factor * bitrate_kbps * 1000 / sample_rate + (padded ? 1 : 0);
  return std::max(static_cast<std::size_t>(bytes), kHeaderBytes);
}

std::optional<Mp3FrameHeader> ParseMp3FrameHeader(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kHeaderBytes || bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0) {
    return std::nullopt;
  }
  const int version_bits = (bytes[1] >> 3) & 3;
  const int layer_bits = (bytes[1] >> 1) & 3;
  const int bitrate_index = bytes[2] >> 4;
  const int rate_index = (bytes[2] >> 2) & 3;
  const int emphasis = bytes[3] & 3;
  if (version_bits == 1 || layer_bits != 1 || rate_index == 3 || emphasis == 2) {
    return std::nullopt;
  }
  Mp3FrameHeader header;
  header.version = version_bits == 3   ? MpegVersion::kMpeg1
                   : version_bits == 2 ? MpegVersion::kMpeg2
                                       : MpegVersion::kMpeg25;
  const bool mpeg1 = header.version == MpegVersion::kMpeg1;
  header.bitrate_kbps = (mpeg1 ? kMpeg1Kbps : kMpeg2Kbps)[static_cast<std::size_t>(bitrate_index)];
  if (header.bitrate_kbps == 0) return std::nullopt;  // free format has no size to follow
  const int rate_shift = mpeg1 ? 0 : header.version == MpegVersion::kMpeg2 ? 1 : 2;
  header.sample_rate = kMpeg1Rates[static_cast<std::size_t>(rate_index)] >> rate_shift;
  header.padded = (bytes[2] & 0x02) != 0;
  header.has_crc = (bytes[1] & 0x01) == 0;
  header.channel_mode = static_cast<ChannelMode>(bytes[3] >> 6);
  return header;
}

double Mp3Info::DurationSeconds() const { return FrameStartSeconds(FrameCount()); }

std::optional<double> Mp3Info::GaplessDurationSeconds() const {
  if (!vbr_tag || !vbr_tag->encoder_delay || !vbr_tag->encoder_padding) return std::nullopt;
  if (vbr_tag->frame_count && *vbr_tag->frame_count != FrameCount()) return std::nullopt;
  if (sample_rate <= 0) return std::nullopt;
  const long long samples = static_cast<long long>(FrameCount()) * samples_per_frame -
                            *vbr_tag->encoder_delay - *vbr_tag->encoder_padding;
  if (samples <= 0) return std::nullopt;
  return static_cast<double>(samples) / sample_rate;
}

double Mp3Info::AverageBitrateKbps() const {
  const double seconds = DurationSeconds();
  return seconds > 0 ? static_cast<double>(audio_frame_bytes) * 8 / seconds / 1000 : 0;
}

std::optional<FramePosition> Mp3Info::FrameAt(double seconds) const {
  if (!(seconds >= 0) || sample_rate <= 0 || samples_per_frame <= 0) return std::nullopt;
  // The nudge keeps a frame's own start time, which rounds either way, inside that frame.
  const double frame = std::floor(seconds * sample_rate / samples_per_frame + 1e-9);
  if (frame >= static_cast<double>(FrameCount())) return std::nullopt;
  const auto index = static_cast<std::size_t>(frame);
  return FramePosition{index, frame_offsets[index]};
}

double Mp3Info::FrameStartSeconds(std::size_t index) const {
  if (sample_rate <= 0) return 0;
  return static_cast<double>(index) * samples_per_frame / sample_rate;
}

std::optional<Mp3Info> ScanMp3(std::span<const std::uint8_t> data) {
  const std::size_t begin = SkipId3v2Tags(data);
  const Bytes audio = data.first(AudioEnd(data, begin));
  const auto first = FindFrame(audio, begin, std::nullopt);
  if (!first) return std::nullopt;
  Mp3Info info = InfoFor(first->header);
  std::size_t pos = first->pos;
  const std::size_t first_bytes = first->header.FrameBytes();
  info.vbr_tag = ReadVbrTag(audio.subspan(pos, first_bytes), first->header);
  if (info.vbr_tag) pos += first_bytes;
  CollectFrames(audio, pos, first->header, info);
  if (info.frame_offsets.empty()) return std::nullopt;
  info.audio.begin = info.frame_offsets.front();
  return info;
}

}  // namespace sonorix
