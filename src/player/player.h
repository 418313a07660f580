// What the player window's buttons, list, bar and end of song do.
#pragma once

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
// player's own state, the mode captions); this class keeps none.
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

  // Selects a random entry, opens and plays it; false when nothing played.
  bool PlayRandomSong();

 private:
  bool MusicFolderSet() const;
  void EndOfSongContinue();

  PlayerParts p_;
};

}  // namespace sonorix
