// What the chat commands reach: the player's parts and the windows.
#pragma once

#include <string>
#include <vector>

#include "aol/aol_client.h"
#include "bot/chat_scan.h"
#include "chattext/look_lines.h"
#include "core/clock.h"
#include "core/settings.h"
#include "player/end_of_song_modes.h"
#include "player/media_player.h"
#include "player/player.h"
#include "player/progress.h"
#include "player/random_song.h"
#include "player/song_choice.h"
#include "player/song_list.h"

namespace sonorix {

// The windows the commands open, close or fill.
class BotWindows {
 public:
  virtual ~BotWindows() = default;
  // Puts the matches into the result window's list (loading it if needed).
  virtual void FillResults(const std::vector<std::string>& matches) = 0;
  // Hides the player window and shows the result window.
  virtual void ShowResults() = 0;
  // The number of lines of the command list (loaded, not shown, if needed).
  virtual int CommandCount() = 0;

  // The ".ini" files of the folder, as the player's hidden file list sees them.
  virtual std::vector<std::string> ListIniFiles(const std::string& folder) = 0;
  // The player window takes the preset's colours.
  virtual void ApplyPlayerPreset(const Preset& preset) = 0;
  virtual bool IsShown(LookWindow window) = 0;
  // Hides the player window and opens the window in its place.
  virtual void Open(LookWindow window) = 0;
  // Unloads the window and shows the player window again.
  virtual void Close(LookWindow window) = 0;
};

// Whether the dispatcher goes on trying the remaining patterns.
enum class Flow { Continue, EndLine };

struct BotParts {
  Settings& settings;
  AolClient& aol;
  MediaPlayer& media;
  VolumeControl& volume;
  SongList& songs;
  ProgressDisplay& progress;
  Clock& clock;
  Randomness& random;
  Player& player;
  SongChoice& choice;
  BotWindows& windows;
  EndOfSongModes& modes;
  ChatScan& scan;
};

}  // namespace sonorix
