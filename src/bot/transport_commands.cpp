#include "bot/transport_commands.h"

#include <algorithm>

#include "bot/numbers.h"
#include "chattext/song_lines.h"
#include "chattext/transport_lines.h"

namespace sonorix {

std::string TransportCommands::SelectedFile() const { return p_.songs.Name(p_.songs.Selected()); }

void TransportCommands::Stop(const Style& style) {
  if (p_.media.State() != PlayState::Playing) return;
  if (p_.settings.ReadMain(kMusicFolderKey).empty()) return;
  p_.media.Stop();
  p_.aol.SendChat(StopAnnouncement(style, SelectedFile()));
  p_.progress.StopAndClear();
}

void TransportCommands::Pause(const Style& style) {
  switch (p_.media.State()) {
    case PlayState::Paused:
      p_.aol.SendChat(PausingLine(style, SelectedFile()));
      break;
    case PlayState::Playing:
      p_.media.Pause();
      p_.aol.SendChat(PausedLine(style, SelectedFile()));
      break;
    default:
      p_.aol.SendChat(PlayFirstLine(style));
      break;
  }
}

void TransportCommands::Resume(const Style& style) {
  switch (p_.media.State()) {
    case PlayState::Paused:
      p_.media.Play();
      p_.aol.SendChat(UnpausedLine(style, SelectedFile()));
      break;
    case PlayState::Playing:
      p_.aol.SendChat(PauseFirstLine(style));
      break;
    default:
      p_.aol.SendChat(PlayFirstLine(style));
      break;
  }
}

void TransportCommands::Volume(const Style& style, std::string_view argument) {
  if (p_.media.State() == PlayState::Stopped) return;
  const auto level = ParseNumber(argument);
  if (!level) return;
  if (*level < 101) {
    p_.aol.SendChat(VolumeSetLine(style, argument));
    p_.volume.SetVolume(static_cast<int>(std::clamp(RoundHalfEven(*level), -1e9, 1e9)));
  } else {
    p_.aol.SendChat(VolumeErrorLine(style));
  }
}

// The amount is checked against the song's whole length, not the time
// left; a rewind past the start goes to the start.
void TransportCommands::Seek(const Style& style, std::string_view argument, bool forward) {
  const auto amount = ParseSeekAmount(argument);
  if (!amount) return;
  if (p_.media.Duration() <= *amount) {
    p_.aol.SendChat(SeekTooFarLine(style, argument));
    return;
  }
  const double position = p_.media.CurrentPosition() + (forward ? *amount : -*amount);
  p_.media.SetCurrentPosition(std::max(position, 0.0));
  p_.aol.SendChat(forward ? FastForwardLine(style, argument) : RewindLine(style, argument));
}

void TransportCommands::Restart(const Style& style) {
  const int position = p_.songs.Selected();
  // With nothing selected the path names the folder itself, which no
  // player opens: nothing to announce then.
  if (!p_.media.Open(SongPath(p_.songs, position))) return;
  p_.aol.SendChat(RestartLine(style, position, SelectedFile()));
}

void TransportCommands::SongCount(const Style& style) {
  p_.aol.SendChat(SongCountLine(style, p_.songs.Count(), p_.settings.ReadMain(kMusicFolderKey)));
}

void TransportCommands::Date(const Style& style) {
  p_.aol.SendChat(DateLine(style, p_.clock.ShortDateText()));
}

void TransportCommands::Time(const Style& style) {
  p_.aol.SendChat(TimeLine(style, p_.clock.LongTimeText()));
}

}  // namespace sonorix
