#include "player/win32/playback_session.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

#include "player/win32/silent_clock.h"

namespace sonorix {

namespace {

// Each buffer costs the output a round of work however short it is: four of a quarter second
// each, as a plain player queues them. Pause, stop and volume act on the device at once,
// whatever is queued.
constexpr double kBatchSeconds = 0.25;
constexpr double kQueueSeconds = 1.0;
constexpr std::size_t kSettleFrames = 2;
constexpr std::size_t kMaxPrerollFrames = 20;
// The device signals each finished buffer; the timeout is only a safety net.
constexpr DWORD kDeviceWaitMs = 1000;
// The silent clock has no signal: poll often enough that the song ends on time.
constexpr DWORD kClockPollMs = 10;

std::size_t BatchFrames(const Mp3Info& info) {
  const double frames = kBatchSeconds * info.sample_rate / info.samples_per_frame;
  return std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(frames)));
}

std::unique_ptr<AudioSink> OpenSink(const SessionStart& start, const WAVEFORMATEX& format) {
  std::unique_ptr<AudioSink> sink;
  if (start.output == AudioOutput::kDevice) {
    sink = (start.sound != nullptr ? *start.sound : WindowsSoundSystem()).OpenDevice(format);
  }
  if (!sink) sink = std::make_unique<SilentClock>(format);
  return sink;
}

// How far back main_data_begin can point: 9 bits in MPEG-1, 8 in MPEG-2 and 2.5.
std::size_t ReservoirBytes(const Mp3Info& info) {
  return info.version == MpegVersion::kMpeg1 ? 511 : 255;
}

// The reservoir holds frames' audio data alone, without their header, CRC and side info.
std::size_t MainDataBytes(const LoadedSong& song, std::size_t index) {
  const auto header = song.Header(index);
  if (!header) return 0;
  const bool mpeg1 = header->version == MpegVersion::kMpeg1;
  const std::size_t sideInfo = header->Channels() == 1 ? (mpeg1 ? 17 : 9) : (mpeg1 ? 32 : 17);
  const std::size_t overhead = 4 + (header->has_crc ? 2 : 0) + sideInfo;
  const std::size_t bytes = song.FrameBytes(index);
  return bytes > overhead ? bytes - overhead : 0;
}

}  // namespace

std::size_t DecodeStartFrame(const LoadedSong& song, std::size_t target) {
  // Besides the reservoir, the frame before the target supplies the transform's overlap and
  // the one before that the synthesis filter's history, which spans a short frame.
  std::size_t start = target > kSettleFrames ? target - kSettleFrames : 0;
  std::size_t reservoir = 0;
  while (start > 0 && reservoir < ReservoirBytes(song.info) && target - start < kMaxPrerollFrames) {
    --start;
    reservoir += MainDataBytes(song, start);
  }
  return start;
}

std::unique_ptr<PlaybackSession> PlaybackSession::Start(SessionStart start) {
  if (!start.song || start.frame >= start.song->info.FrameCount()) return nullptr;
  try {
    auto decoder = AcmMp3Decoder::Open(start.song->info);
    UniqueHandle stopEvent = MakeEvent(true);
    if (!decoder || !stopEvent) return nullptr;
    auto sink = OpenSink(start, decoder->PcmFormat());
    sink->SetVolume(start.volume);
    return std::make_unique<PlaybackSession>(Key{}, std::move(start), std::move(decoder),
                                             std::move(sink), std::move(stopEvent));
  } catch (const std::exception&) {
    return nullptr;  // out of memory, or no thread to be had
  }
}

PlaybackSession::PlaybackSession(Key, SessionStart start, std::unique_ptr<AcmMp3Decoder> decoder,
                                 std::unique_ptr<AudioSink> sink, UniqueHandle stopEvent)
    : start_(std::move(start)),
      batchFrames_(BatchFrames(start_.song->info)),
      queueBytes_(static_cast<std::size_t>(kQueueSeconds * decoder->PcmFormat().nAvgBytesPerSec)),
      decoder_(std::move(decoder)),
      sink_(std::move(sink)),
      stopEvent_(std::move(stopEvent)),
      nextFrame_(DecodeStartFrame(*start_.song, start_.frame)),
      discardBytes_((start_.frame - nextFrame_) *
                    static_cast<std::size_t>(start_.song->info.samples_per_frame) *
                    decoder_->PcmFormat().nBlockAlign),
      worker_([this] { Run(); }) {}

// The stop is a kernel event rather than a std::stop_token: MinGW's GCC 12 can lose the
// wake-up a stop_callback waits for, and the event also ends the worker's wait at once.
PlaybackSession::~PlaybackSession() {
  SetEvent(stopEvent_.get());
  if (worker_.joinable()) worker_.join();
}

bool PlaybackSession::StopRequested() const {
  return WaitForSingleObject(stopEvent_.get(), 0) == WAIT_OBJECT_0;
}

// Wine counts a paused device's position on as later buffers top up its mixer, so the
// position shown while paused is the one taken at the pause.
void PlaybackSession::Pause() {
  sink_->Pause();
  pausedAt_ = Position();
}

void PlaybackSession::Resume() {
  pausedAt_.reset();
  sink_->Resume();
}

bool PlaybackSession::Heard() const {
  return dynamic_cast<const SilentClock*>(sink_.get()) == nullptr;
}

double PlaybackSession::Position() const {
  if (pausedAt_) return *pausedAt_;
  heard_ = std::max(heard_, sink_->PlayedSamples());
  const Mp3Info& info = start_.song->info;
  return info.FrameStartSeconds(start_.frame) + static_cast<double>(heard_) / info.sample_rate;
}

void PlaybackSession::Run() {
  // Nothing may escape the thread. Running out of memory mid-song ends the song where
  // decoding stopped, as a cut-off file would.
  try {
    Feed();
  } catch (...) {
  }
  if (StopRequested() || !start_.onPlayedOut) return;
  try {
    start_.onPlayedOut();
  } catch (...) {
  }
}

void PlaybackSession::Feed() {
  while (!StopRequested()) {
    const std::size_t queued = sink_->Reclaim();
    // The song ends when its last buffer has been heard, not when decoding ran out.
    if (decodedAll_ && queued == 0) return;
    if (!decodedAll_ && queued < queueBytes_) {
      DecodeBatch();
    } else {
      Wait();
    }
  }
}

void PlaybackSession::DecodeBatch() {
  const LoadedSong& song = *start_.song;
  std::vector<std::uint8_t> pcm;
  bool decoded = true;
  if (nextFrame_ < song.info.FrameCount()) {
    const std::size_t last = std::min(song.info.FrameCount(), nextFrame_ + batchFrames_);
    decoded = decoder_->Decode(song.Frames(nextFrame_, last), pcm);
    nextFrame_ = last;
  } else {
    decoded = decoder_->Finish(pcm);
    decodedAll_ = true;
  }
  // A codec failure ends the song after what was decoded so far.
  if (!decoded) decodedAll_ = true;
  const std::size_t drop = std::min(discardBytes_, pcm.size());
  pcm.erase(pcm.begin(), pcm.begin() + static_cast<std::ptrdiff_t>(drop));
  discardBytes_ -= drop;
  if (!pcm.empty() && !sink_->Write(std::move(pcm))) decodedAll_ = true;
}

void PlaybackSession::Wait() const {
  const HANDLE done = sink_->BufferDoneEvent();
  const HANDLE handles[] = {stopEvent_.get(), done};
  WaitForMultipleObjects(done != nullptr ? 2 : 1, handles, FALSE,
                         done != nullptr ? kDeviceWaitMs : kClockPollMs);
}

}  // namespace sonorix
