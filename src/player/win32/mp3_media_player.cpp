#include "player/win32/mp3_media_player.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

namespace sonorix {

Mp3MediaPlayer::Mp3MediaPlayer(std::function<void()> onEndOfStream, AudioOutput output,
                               std::function<void(std::string_view)> tellUser, SoundSystem& sound)
    : onEndOfStream_(std::move(onEndOfStream)),
      output_(output),
      tellUser_(std::move(tellUser)),
      sound_(sound),
      window_([this](std::uintptr_t generation) { OnPosted(generation); }) {
  if (tellUser_ && !sound_.DecodesMp3()) tellUser_(kNoMp3Codec);
}

Mp3MediaPlayer::~Mp3MediaPlayer() = default;

bool Mp3MediaPlayer::Open(const std::string& path) {
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

void Mp3MediaPlayer::Play() {
  if (!song_ || state_ == PlayState::Playing) return;
  if (state_ == PlayState::Paused && session_) {
    session_->Resume();
    state_ = PlayState::Playing;
    return;
  }
  // Stopped, or paused after a seek, which leaves no run behind: start where it rests.
  StartAt(restFrame_);
}

void Mp3MediaPlayer::Pause() {
  if (state_ != PlayState::Playing) return;
  if (session_) session_->Pause();
  state_ = PlayState::Paused;
}

void Mp3MediaPlayer::Stop() {
  EndSession();
  state_ = PlayState::Stopped;
  restFrame_ = 0;
}

double Mp3MediaPlayer::Duration() const { return song_ ? song_->info.DurationSeconds() : 0; }

double Mp3MediaPlayer::CurrentPosition() const {
  if (!song_) return 0;
  if (session_) return std::min(session_->Position(), Duration());
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
    window_.Post(generation_);
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
        song_,   frame,
        volume_, output_,
        &sound_, [window = &window_, generation = generation_] { window->Post(generation); }};
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
  ++generation_;
}

void Mp3MediaPlayer::OnPosted(std::uintptr_t generation) {
  if (generation != generation_) return;
  EndSession();
  state_ = PlayState::Stopped;
  restFrame_ = 0;
  // A copy, so the handler may even destroy this player.
  const auto handler = onEndOfStream_;
  if (handler) handler();
}

}  // namespace sonorix
