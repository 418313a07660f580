#include "player/player.h"

#include <utility>

#include "chattext/program_lines.h"
#include "chattext/song_lines.h"

namespace sonorix {

bool Player::MusicFolderSet() const { return !p_.settings.ReadMain(kMusicFolderKey).empty(); }

// A song whose Open fails is never announced: the chat would be told of
// music that is not playing.
void Player::PlaySelection() {
  const Style style = p_.settings.ReadCurrentStyle();
  const int position = p_.songs.Selected();
  if (p_.media.State() == PlayState::Stopped || position < 0) return;
  if (p_.media.State() == PlayState::Playing) p_.media.Stop();
  if (!p_.media.Open(SongPath(p_.songs, position))) return;
  p_.aol.SendChat(
      PlayAnnouncement(style, PlayWord::DoubleClick, position, p_.songs.Name(position)));
  p_.progress.Start();
}

void Player::PlayButton() {
  const Style style = p_.settings.ReadCurrentStyle();
  const int position = p_.songs.Selected();
  if (!MusicFolderSet() || position < 0) return;
  if (p_.media.State() == PlayState::Playing) {
    p_.media.Stop();
    p_.progress.StopAndClear();
  }
  if (!p_.media.Open(SongPath(p_.songs, position))) return;
  p_.aol.SendChat(PlayAnnouncement(style, PlayWord::Button, position, p_.songs.Name(position)));
  p_.progress.Start();
}

void Player::StopButton() {
  const Style style = p_.settings.ReadCurrentStyle();
  if (p_.media.State() != PlayState::Playing || !MusicFolderSet()) return;
  p_.media.Stop();
  p_.aol.SendChat(StopAnnouncement(style, p_.songs.Name(p_.songs.Selected())));
  p_.progress.StopAndClear();
}

bool Player::PlayRandomSong() {
  if (!MusicFolderSet() || p_.songs.Count() == 0) return false;
  p_.songs.Select(RandomSong(p_.songs.Count(), p_.random) - 1);
  return OpenAndPlaySelection();
}

bool Player::OpenAndPlaySelection() {
  if (!p_.media.Open(SongPath(p_.songs, p_.songs.Selected()))) return false;
  p_.media.Play();
  return true;
}

void Player::RandomButton() {
  const Style style = p_.settings.ReadCurrentStyle();
  if (!PlayRandomSong()) return;
  const int position = p_.songs.Selected();
  p_.aol.SendChat(RandomAnnouncement(style, position, p_.songs.Name(position)));
  p_.progress.Start();
}

// The closing lines are the last the room gets: nothing else is typed from
// here on, not even by a handler that resumes from its wait after this
// one. A second press while they go out adds nothing.
void Player::CloseButton() {
  if (!p_.aol.EndChat()) return;
  const std::string preset = p_.settings.ReadMain(kPresetKey);
  const std::string styleName = p_.settings.ReadMain(kStyleKey);
  const Style style = p_.settings.ReadCurrentStyle();
  p_.aol.SendClosingLine(ClosingBanner(style));
  p_.clock.Pause(0.1);
  p_.aol.SendClosingLine(SummaryLine(style, p_.songs.Count(), preset, styleName));
}

void Player::SeekPress(int x, int width, bool leftButton) {
  if (p_.media.State() == PlayState::Paused || !leftButton) return;
  const double target = SeekTarget(x, width, p_.media.Duration());
  if (target >= 0) p_.media.SetCurrentPosition(target);
}

// With both modes on, the end opens the random song and then the one after
// it; only that first one can follow without a gap.
std::string Player::UpcomingSong() {
  const int count = p_.songs.Count();
  if (count == 0) return "";
  if (p_.modes.AutoRandom()) {
    if (!MusicFolderSet()) return "";
    if (!drawnForEnd_) drawnForEnd_ = p_.random.Next();
    return SongPath(p_.songs, RandomSong(count, *drawnForEnd_) - 1);
  }
  if (p_.modes.Continuous()) return SongPath(p_.songs, (p_.songs.Selected() + 1) % count);
  return "";
}

void Player::EndOfSong() {
  const std::optional<double> drawn = std::exchange(drawnForEnd_, std::nullopt);
  if (p_.modes.AutoRandom()) {
    const Style style = p_.settings.ReadCurrentStyle();
    if (!MusicFolderSet() || p_.songs.Count() == 0) return;
    const int count = p_.songs.Count();
    p_.songs.Select((drawn ? RandomSong(count, *drawn) : RandomSong(count, p_.random)) - 1);
    if (OpenAndPlaySelection()) {
      p_.aol.SendChat(EndOfSongRandomAnnouncement(style, p_.songs.Name(p_.songs.Selected())));
      p_.progress.Start();
    }
  }
  if (p_.modes.Continuous()) EndOfSongContinue();
  if (!p_.modes.AutoRandom() && !p_.modes.Continuous()) p_.progress.StopAndClear();
}

// After the last entry the list starts again from the top, so continuous
// play never runs off the end.
void Player::EndOfSongContinue() {
  const Style style = p_.settings.ReadCurrentStyle();
  const int count = p_.songs.Count();
  if (count == 0) return;
  const int next = (p_.songs.Selected() + 1) % count;
  p_.songs.Select(next);
  if (!p_.media.Open(SongPath(p_.songs, next))) return;
  p_.aol.SendChat(EndOfSongPlayAnnouncement(style, p_.songs.Name(next)));
}

}  // namespace sonorix
