#include "player/win32/acm_decoder.h"

#include <algorithm>
#include <cmath>

namespace sonorix {

namespace {

// Several of the largest frames (1,441 bytes), so one call takes a whole batch.
constexpr DWORD kInputBytes = 16 * 1024;
// A codec that keeps giving output without taking input is broken; stop asking it.
constexpr int kMaxCallsPerConvert = 256;

MPEGLAYER3WAVEFORMAT Mp3Format(const Mp3Info& info) {
  MPEGLAYER3WAVEFORMAT format{};
  const double frameBytes =
      info.FrameCount() > 0 ? static_cast<double>(info.audio_frame_bytes) / info.FrameCount() : 0;
  format.wfx.wFormatTag = WAVE_FORMAT_MPEGLAYER3;
  format.wfx.nChannels = static_cast<WORD>(info.channels);
  format.wfx.nSamplesPerSec = static_cast<DWORD>(info.sample_rate);
  format.wfx.nAvgBytesPerSec = static_cast<DWORD>(std::lround(info.AverageBitrateKbps() * 125));
  // Layer III frames are byte streams to the codec: one-byte blocks, no sample width.
  format.wfx.nBlockAlign = 1;
  format.wfx.wBitsPerSample = 0;
  format.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
  format.wID = MPEGLAYER3_ID_MPEG;
  format.fdwFlags = MPEGLAYER3_FLAG_PADDING_ISO;
  format.nBlockSize = static_cast<WORD>(std::lround(frameBytes));
  format.nFramesPerBlock = 1;
  format.nCodecDelay = 0;
  return format;
}

WAVEFORMATEX PcmFormatFor(const Mp3Info& info) {
  WAVEFORMATEX pcm{};
  pcm.wFormatTag = WAVE_FORMAT_PCM;
  pcm.nChannels = static_cast<WORD>(info.channels);
  pcm.nSamplesPerSec = static_cast<DWORD>(info.sample_rate);
  pcm.wBitsPerSample = 16;
  pcm.nBlockAlign = static_cast<WORD>(pcm.nChannels * 2);
  pcm.nAvgBytesPerSec = pcm.nSamplesPerSec * pcm.nBlockAlign;
  pcm.cbSize = 0;
  return pcm;
}

}  // namespace

std::unique_ptr<AcmMp3Decoder> AcmMp3Decoder::Open(const Mp3Info& info) {
  if (info.channels < 1 || info.channels > 2 || info.sample_rate <= 0) return nullptr;
  MPEGLAYER3WAVEFORMAT source = Mp3Format(info);
  WAVEFORMATEX pcm = PcmFormatFor(info);
  HACMSTREAM raw = nullptr;
  if (acmStreamOpen(&raw, nullptr, &source.wfx, &pcm, nullptr, 0, 0, 0) != MMSYSERR_NOERROR) {
    return nullptr;
  }
  UniqueStream stream(raw);
  DWORD outputBytes = 0;
  if (acmStreamSize(stream.get(), kInputBytes, &outputBytes, ACM_STREAMSIZEF_SOURCE) !=
          MMSYSERR_NOERROR ||
      outputBytes == 0) {
    return nullptr;
  }
  auto decoder = std::make_unique<AcmMp3Decoder>(Key{}, std::move(stream), pcm, outputBytes);
  if (!decoder->Prepare()) return nullptr;
  return decoder;
}

AcmMp3Decoder::AcmMp3Decoder(Key, UniqueStream stream, const WAVEFORMATEX& pcm,
                             std::size_t outputBytes)
    : stream_(std::move(stream)), pcm_(pcm), input_(kInputBytes), output_(outputBytes) {}

AcmMp3Decoder::~AcmMp3Decoder() {
  if (!prepared_) return;
  // Unpreparing wants the lengths the header was prepared with.
  header_.cbSrcLength = static_cast<DWORD>(input_.size());
  header_.cbDstLength = static_cast<DWORD>(output_.size());
  acmStreamUnprepareHeader(stream_.get(), &header_, 0);
}

bool AcmMp3Decoder::Prepare() {
  header_.cbStruct = sizeof(header_);
  header_.pbSrc = input_.data();
  header_.cbSrcLength = static_cast<DWORD>(input_.size());
  header_.pbDst = output_.data();
  header_.cbDstLength = static_cast<DWORD>(output_.size());
  prepared_ = acmStreamPrepareHeader(stream_.get(), &header_, 0) == MMSYSERR_NOERROR;
  return prepared_;
}

bool AcmMp3Decoder::Decode(std::span<const std::uint8_t> frames, std::vector<std::uint8_t>& pcm) {
  pending_.insert(pending_.end(), frames.begin(), frames.end());
  return Convert(ACM_STREAMCONVERTF_BLOCKALIGN, pcm);
}

bool AcmMp3Decoder::Finish(std::vector<std::uint8_t>& pcm) {
  return Convert(ACM_STREAMCONVERTF_END, pcm);
}

// Codecs differ: one takes all input and hands output out over later calls, another stops
// taking input while its output is full. Calling until neither moves suits both.
bool AcmMp3Decoder::Convert(DWORD flags, std::vector<std::uint8_t>& pcm) {
  for (int call = 0; call < kMaxCallsPerConvert; ++call) {
    bool progressed = false;
    if (!ConvertOnce(flags, pcm, progressed)) return false;
    if (!progressed) return true;
  }
  return true;
}

bool AcmMp3Decoder::ConvertOnce(DWORD flags, std::vector<std::uint8_t>& pcm, bool& progressed) {
  const std::size_t take = std::min(pending_.size(), input_.size());
  std::copy_n(pending_.begin(), take, input_.begin());
  header_.cbSrcLength = static_cast<DWORD>(take);
  header_.cbDstLength = static_cast<DWORD>(output_.size());
  header_.cbSrcLengthUsed = 0;
  header_.cbDstLengthUsed = 0;
  // The first call after opening tells the codec to start from a clean state.
  if (!started_) flags |= ACM_STREAMCONVERTF_START;
  if (acmStreamConvert(stream_.get(), &header_, flags) != MMSYSERR_NOERROR) return false;
  started_ = true;
  const std::size_t used = std::min<std::size_t>(header_.cbSrcLengthUsed, take);
  const std::size_t produced = std::min<std::size_t>(header_.cbDstLengthUsed, output_.size());
  pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(used));
  pcm.insert(pcm.end(), output_.begin(), output_.begin() + static_cast<std::ptrdiff_t>(produced));
  progressed = used > 0 || produced > 0;
  return true;
}

}  // namespace sonorix
