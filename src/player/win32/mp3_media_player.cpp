#include "player/win32/mp3_media_player.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

namespace sonorix {

namespace {

// A posted value carries the run's generation and what happened to it.
constexpr std::uintptr_t kEndedNotice = 0;
constexpr std::uintptr_t kDecodedNotice = 1;

std::uintptr_t Notice(std::uintptr_t generation, std::uintptr_t kind) {
  return generation * 2 + kind;
}

}  // namespace

Mp3MediaPlayer::Mp3MediaPlayer(std::function<void()> onEndOfStream, AudioOutput output,
                               std::function<void(std::string_view)> tellUser, SoundSystem& sound)
    : onEndOfStream_(std::move(onEndOfStream)),
      output_(output),
      tellUser_(std::move(tellUser)),
      sound_(sound),
      window_([this](std::uintptr_t value) { OnPosted(value); }) {
  if (tellUser_ && !sound_.DecodesMp3()) tellUser_(kNoMp3Codec);
}

Mp3MediaPlayer::~Mp3MediaPlayer() = default;

bool Mp3MediaPlayer::Open(const std::string& path) {
  if (TakeOnFollower(path)) return true;
  if (!ending_) gaps_.Forget();
  EndSession();
  song_.reset();
  state_ = PlayState::Stopped;
  restFrame_ = 0;
  song_ = LoadSong(path);
  if (!song_ || !StartAt(0)) {
    song_.reset();
    return false;
  }
  return true;
}

// The song is heard already: it becomes the one loaded, playing from where the output is.
bool Mp3MediaPlayer::TakeOnFollower(const std::string& path) {
  if (!handingOver_ || !session_ || path != followerPath_) return false;
  handingOver_ = false;
  session_->Advance();
  song_ = std::move(follower_);
  followerPath_.clear();
  state_ = PlayState::Playing;
  restFrame_ = 0;
  // It may have been decoded to its end already; the question waits for the message loop.
  window_.Post(Notice(generation_, kDecodedNotice));
  return true;
}

void Mp3MediaPlayer::Play() {
  if (!song_ || state_ == PlayState::Playing) return;
  if (state_ == PlayState::Paused && session_) {
    session_->Resume();
    state_ = PlayState::Playing;
    OfferFollower();
    return;
  }
  // Stopped, or paused after a seek, which leaves no run behind: start where it rests.
  gaps_.Forget();
  StartAt(restFrame_);
}

void Mp3MediaPlayer::Pause() {
  if (state_ != PlayState::Playing) return;
  if (session_) session_->Pause();
  state_ = PlayState::Paused;
}

void Mp3MediaPlayer::Stop() {
  gaps_.Forget();
  EndSession();
  state_ = PlayState::Stopped;
  restFrame_ = 0;
}

double Mp3MediaPlayer::Duration() const { return song_ ? song_->info.DurationSeconds() : 0; }

double Mp3MediaPlayer::CurrentPosition() const {
  if (!song_) return 0;
  if (session_ && state_ != PlayState::Stopped) return std::min(session_->Position(), Duration());
  return song_->info.FrameStartSeconds(restFrame_);
}

void Mp3MediaPlayer::SetCurrentPosition(double seconds) {
  if (!song_ || std::isnan(seconds)) return;
  const auto frame = song_->info.FrameAt(std::max(seconds, 0.0));
  if (!frame) {
    // Past the end: a song under way ends, through the message queue like any other end, so
    // the handler never runs inside this call. A stopped one has nothing to end.
    if (state_ == PlayState::Stopped) return;
    Stop();
    window_.Post(Notice(generation_, kEndedNotice));
    return;
  }
  if (state_ == PlayState::Playing) {
    StartAt(frame->index);
    return;
  }
  // Paused stays paused with no run until Play; stopped keeps the spot for the next Play.
  EndSession();
  restFrame_ = frame->index;
}

void Mp3MediaPlayer::SetVolume(int level) {
  volume_ = std::clamp(level, 0, 100);
  if (session_) session_->SetVolume(volume_);
}

bool Mp3MediaPlayer::StartAt(std::size_t frame) {
  EndSession();
  restFrame_ = 0;
  try {
    SessionStart start{
        song_,
        frame,
        volume_,
        output_,
        &sound_,
        [window = &window_, generation = generation_](SessionNotice notice) {
          window->Post(Notice(generation,
                              notice == SessionNotice::kDecoded ? kDecodedNotice : kEndedNotice));
        },
        &gaps_};
    session_ = PlaybackSession::Start(std::move(start));
  } catch (const std::exception&) {
    session_.reset();
  }
  // The silent clock keeps the song's time, so the room hears of it as ever;
  // only the user, who hears nothing, is told.
  if (session_ && !session_->Heard() && output_ == AudioOutput::kDevice && !toldNoDevice_) {
    toldNoDevice_ = true;
    if (tellUser_) tellUser_(kNoAudioDevice);
  }
  state_ = session_ ? PlayState::Playing : PlayState::Stopped;
  return session_ != nullptr;
}

// Dropping the run before the old one's notice arrives makes that notice stale.
void Mp3MediaPlayer::EndSession() {
  session_.reset();
  follower_.reset();
  followerPath_.clear();
  handingOver_ = false;
  ++generation_;
}

void Mp3MediaPlayer::OnPosted(std::uintptr_t value) {
  if (value / 2 != generation_) return;
  if (value % 2 == kDecodedNotice) {
    OfferFollower();
  } else {
    OnSongEnded();
  }
}

// Paused, the question waits for Play: the answer may change meanwhile.
void Mp3MediaPlayer::OfferFollower() {
  if (!nextSong_ || !session_ || state_ != PlayState::Playing || !session_->WantsFollower()) {
    return;
  }
  const std::string path = nextSong_();
  if (path.empty() || !session_) return;
  auto song = LoadSong(path);
  if (!song || !session_->Follow(song)) return;
  follower_ = std::move(song);
  followerPath_ = path;
}

void Mp3MediaPlayer::OnSongEnded() {
  // The output plays on into a follower while the handler decides whether to take it on.
  handingOver_ = session_ && follower_ && session_->FollowerHeard();
  if (!handingOver_) EndSession();
  state_ = PlayState::Stopped;
  restFrame_ = 0;
  // A copy, so the handler may even destroy this player.
  const auto handler = onEndOfStream_;
  const std::weak_ptr<int> alive = life_;
  ending_ = true;
  try {
    if (handler) handler();
  } catch (...) {
    if (!alive.expired()) ending_ = false;
    throw;
  }
  if (alive.expired()) return;
  ending_ = false;
  // Not taken on: the song it plays is not the one asked for.
  if (handingOver_) EndSession();
}

}  // namespace sonorix
