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
    UniqueHandle wakeEvent = MakeEvent(false);
    if (!decoder || !stopEvent || !wakeEvent) return nullptr;
    auto sink = OpenSink(start, decoder->PcmFormat());
    sink->SetVolume(start.volume);
    return std::make_unique<PlaybackSession>(Key{}, std::move(start), std::move(decoder),
                                             std::move(sink), std::move(stopEvent),
                                             std::move(wakeEvent));
  } catch (const std::exception&) {
    return nullptr;  // out of memory, or no thread to be had
  }
}

PlaybackSession::PlaybackSession(Key, SessionStart start, std::unique_ptr<AcmMp3Decoder> decoder,
                                 std::unique_ptr<AudioSink> sink, UniqueHandle stopEvent,
                                 UniqueHandle wakeEvent)
    : start_(std::move(start)),
      format_(decoder->PcmFormat()),
      sink_(std::move(sink)),
      stopEvent_(std::move(stopEvent)),
      wakeEvent_(std::move(wakeEvent)),
      song_(start_.song),
      decoder_(std::move(decoder)),
      batchFrames_(BatchFrames(start_.song->info)),
      queueBytes_(static_cast<std::size_t>(kQueueSeconds * format_.nAvgBytesPerSec)),
      nextFrame_(DecodeStartFrame(*start_.song, start_.frame)),
      discardBytes_((start_.frame - nextFrame_) *
                    static_cast<std::size_t>(start_.song->info.samples_per_frame) *
                    format_.nBlockAlign),
      heardSong_(start_.song),
      heardFrom_(start_.song->info.FrameStartSeconds(start_.frame)),
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
  const std::uint64_t into = heard_ > heardBase_ ? heard_ - heardBase_ : 0;
  return heardFrom_ + static_cast<double>(into) / heardSong_->info.sample_rate;
}

bool PlaybackSession::WantsFollower() const { return !followerGiven_ && decodedToEnd_; }

bool PlaybackSession::Follow(std::shared_ptr<const LoadedSong> song) {
  if (!song || song->info.FrameCount() == 0 || followerGiven_) return false;
  auto decoder = AcmMp3Decoder::Open(song->info);
  if (!decoder) return false;
  // One device plays one format; a song in another waits for its own.
  const WAVEFORMATEX& pcm = decoder->PcmFormat();
  if (pcm.nSamplesPerSec != format_.nSamplesPerSec || pcm.nChannels != format_.nChannels ||
      pcm.wBitsPerSample != format_.wBitsPerSample) {
    return false;
  }
  {
    const std::scoped_lock lock(mutex_);
    if (playedOut_) return false;
    follower_ = Follower{std::move(song), std::move(decoder)};
  }
  followerGiven_ = true;
  SetEvent(wakeEvent_.get());
  return true;
}

bool PlaybackSession::FollowerHeard() const {
  const std::scoped_lock lock(mutex_);
  return boundary_.has_value() && boundaryHeard_;
}

void PlaybackSession::Advance() {
  std::uint64_t boundary = 0;
  {
    const std::scoped_lock lock(mutex_);
    if (!boundary_) return;
    boundary = *boundary_ / format_.nBlockAlign;
    boundary_.reset();
    boundaryHeard_ = false;
    heardSong_ = song_;
  }
  heardFrom_ = 0;
  heardBase_ = boundary;
  heard_ = std::max(heard_, boundary);
  followerGiven_ = false;
}

void PlaybackSession::Notify(SessionNotice notice) const {
  if (StopRequested() || !start_.notify) return;
  try {
    start_.notify(notice);
  } catch (...) {
  }
}

void PlaybackSession::Run() {
  // Nothing may escape the thread. Running out of memory mid-song ends the song where
  // decoding stopped, as a cut-off file would.
  try {
    Feed();
  } catch (...) {
  }
  Notify(SessionNotice::kSongEnded);
}

void PlaybackSession::Feed() {
  while (!StopRequested()) {
    const std::size_t queued = sink_->Reclaim();
    NoteHeard(queued);
    if (decodedAll_ && TakeFollower()) continue;
    // The song ends when its last buffer has been heard, not when decoding ran out.
    if (queued == 0 && written_ > 0) {
      if (start_.gaps) start_.gaps->RanDry(OutputGaps::Clock::now());
      soundAfter_.reset();
      if (decodedAll_ && PlayedOut()) return;
    }
    if (!decodedAll_ && queued < queueBytes_) {
      DecodeBatch();
    } else {
      Wait();
    }
  }
}

// The follower's first batch goes out at once, behind whatever of the song before is queued.
bool PlaybackSession::TakeFollower() {
  const std::scoped_lock lock(mutex_);
  if (!follower_ || boundary_) return false;
  song_ = std::move(follower_->song);
  decoder_ = std::move(follower_->decoder);
  follower_.reset();
  boundary_ = written_;
  batchFrames_ = BatchFrames(song_->info);
  nextFrame_ = 0;
  discardBytes_ = 0;
  decodedAll_ = false;
  decodedToEnd_ = false;
  return true;
}

bool PlaybackSession::PlayedOut() {
  const std::scoped_lock lock(mutex_);
  if (follower_) return false;  // given just now: it plays after a silence, but it plays
  playedOut_ = true;
  return true;
}

// What the device has played out tells when the boundary between two songs is heard, and
// when sound came back after the output ran dry.
void PlaybackSession::NoteHeard(std::size_t queued) {
  const std::uint64_t played = written_ - queued;
  if (soundAfter_ && played >= *soundAfter_) {
    const auto length = std::chrono::duration_cast<OutputGaps::Clock::duration>(
        std::chrono::duration<double>(soundSeconds_));
    if (start_.gaps) start_.gaps->Heard(OutputGaps::Clock::now() - length);
    soundAfter_.reset();
  }
  bool ended = false;
  {
    const std::scoped_lock lock(mutex_);
    if (boundary_ && !boundaryHeard_ && played >= *boundary_) ended = boundaryHeard_ = true;
  }
  if (ended) Notify(SessionNotice::kSongEnded);
}

void PlaybackSession::DecodeBatch() {
  const LoadedSong& song = *song_;
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
  const std::size_t bytes = pcm.size();
  if (bytes > 0 && !sink_->Write(std::move(pcm))) {
    decodedAll_ = true;
  } else if (bytes > 0) {
    // The first buffer since the output started or ran dry: its end tells when sound came.
    if (!soundAfter_ && (written_ == 0 || sink_->Reclaim() == bytes)) {
      soundSeconds_ = static_cast<double>(bytes) / format_.nAvgBytesPerSec;
      soundAfter_ = written_ + bytes;
    }
    written_ += bytes;
  }
  if (decodedAll_) {
    decodedToEnd_ = true;
    Notify(SessionNotice::kDecoded);
  }
}

void PlaybackSession::Wait() const {
  const HANDLE done = sink_->BufferDoneEvent();
  const HANDLE handles[] = {stopEvent_.get(), wakeEvent_.get(), done};
  WaitForMultipleObjects(done != nullptr ? 3 : 2, handles, FALSE,
                         done != nullptr ? kDeviceWaitMs : kClockPollMs);
}

}  // namespace sonorix
