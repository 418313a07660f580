// What the player window's buttons, list, bar and end of song do.
#pragma once

#include <optional>
#include <string>

#include "aol/aol_client.h"
#include "core/clock.h"
#include "core/settings.h"
#include "player/end_of_song_modes.h"
#include "player/media_player.h"
#include "player/progress.h"
#include "player/random_song.h"
#include "player/song_list.h"

namespace sonorix {

// The outside things a player action reaches; all owned elsewhere.
struct PlayerParts {
  Settings& settings;
  AolClient& aol;
  MediaPlayer& media;
  SongList& songs;
  ProgressDisplay& progress;
  Clock& clock;
  Randomness& random;
  const EndOfSongModes& modes;
};

// The state between events lives in the parts (the selection, the media
// player's own state, the mode captions); this class keeps only the random
// draw made ahead for the end of the playing song.
class Player {
 public:
  explicit Player(PlayerParts parts) : p_(parts) {}

  void PlaySelection();  // the list's double-click
  void PlayButton();
  void StopButton();
  void RandomButton();
  // Ends the chat with the closing lines; the caller then ends the program.
  void CloseButton();
  void SeekPress(int x, int width, bool leftButton);
  void EndOfSong();
  // The full path the end of the playing song will open, asked shortly
  // before it ends so the next song can follow without a gap; empty when
  // the end opens none. Auto random draws its song here, and the end takes
  // that draw.
  std::string UpcomingSong();

  // Selects a random entry, opens and plays it; false when nothing played.
  bool PlayRandomSong();

 private:
  bool MusicFolderSet() const;
  bool OpenAndPlaySelection();
  void EndOfSongContinue();

  PlayerParts p_;
  std::optional<double> drawnForEnd_;
};

}  // namespace sonorix
