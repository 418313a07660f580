// Any bytes as an MP3 file: the scan stays inside the data, and what it reports holds
// together (every frame is a header of the first frame's stream, whole, in order, and the
// time base maps frames and seconds both ways).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "player/mp3_scanner.h"

namespace sonorix {
namespace {

using fuzz::Require;

void CheckFrames(std::span<const std::uint8_t> data, const Mp3Info& info) {
  std::size_t end = 0, bytes = 0;
  for (const std::size_t offset : info.frame_offsets) {
    Require(offset >= end, "frames are in order and do not overlap");
    const auto header = ParseMp3FrameHeader(data.subspan(offset));
    Require(header.has_value(), "every frame starts with a header");
    Require(header->version == info.version && header->sample_rate == info.sample_rate &&
                header->Channels() == info.channels,
            "every frame belongs to the first frame's stream");
    end = offset + header->FrameBytes();
    Require(end <= data.size(), "every frame is whole");
    bytes += header->FrameBytes();
  }
  Require(bytes == info.audio_frame_bytes, "audio bytes are the frames' sizes added up");
  Require(info.audio.begin == info.frame_offsets.front() && info.audio.end == end,
          "the audio range runs from the first frame to the end of the last");
}

void CheckTimeBase(const Mp3Info& info) {
  const double duration = info.DurationSeconds();
  Require(std::isfinite(duration) && duration > 0, "a stream with frames has a duration");
  Require(!info.FrameAt(duration).has_value(), "the end of the song is past every frame");
  Require(!info.FrameAt(-1).has_value() && !info.FrameAt(NAN).has_value(),
          "no frame before the start or at no time");
  for (const std::size_t index : {std::size_t{0}, info.FrameCount() / 2, info.FrameCount() - 1}) {
    const auto at = info.FrameAt(info.FrameStartSeconds(index));
    Require(at && at->index == index && at->offset == info.frame_offsets[index],
            "a frame's start time finds that frame");
  }
  const auto gapless = info.GaplessDurationSeconds();
  Require(!gapless || (*gapless > 0 && *gapless <= duration),
          "the gapless length is positive and no longer than the frames");
  Require(std::isfinite(info.AverageBitrateKbps()), "the average bitrate is a number");
}

}  // namespace
}  // namespace sonorix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::span<const std::uint8_t> data(bytes, size);
  const auto info = sonorix::ScanMp3(data);
  if (!info) return 0;
  sonorix::fuzz::Require(info->FrameCount() > 0, "a scan that finds audio finds frames");
  sonorix::CheckFrames(data, *info);
  sonorix::CheckTimeBase(*info);
  if (info->vbr_tag) {
    sonorix::fuzz::Require(info->vbr_tag->toc.empty() || info->vbr_tag->toc.size() == 100,
                           "a seek table has 100 points");
  }
  return 0;
}
