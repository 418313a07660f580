// The player's start: its music folder (asked for on a first start), the
// default look, and the two lines it announces itself with.
#pragma once

#include <string>
#include <string_view>

#include "aol/aol_client.h"
#include "core/clock.h"
#include "core/settings.h"
#include "player/song_list.h"

namespace sonorix {

// The modal dialogs of a first start.
class StartupDialogs {
 public:
  virtual ~StartupDialogs() = default;
  // An information box titled "Sonorix".
  virtual void ShowInformation(const std::string& text) = 0;
  // The shell's folder picker; "" when cancelled.
  virtual std::string BrowseForFolder(const std::string& title) = 0;
};

inline constexpr std::string_view kNoMusicFolderSet =
    "No music directory was set. Sonorix will ask for it again at its next start.";

// A first start is any start whose "mp3 dir" reads empty: the user is asked
// for the folder; the folder picked is stored and the count of songs found
// confirmed. Cancel stores nothing and says so, so the next start asks again.
void LoadMusicFolder(Settings& settings, SongList& songs, StartupDialogs& dialogs);

// Names "default" and "sonorix" as the current preset and style if unset.
void NameDefaultLook(Settings& settings);

// The start-up banner, a short pause, then the summary line.
void AnnounceStart(const Settings& settings, AolClient& aol, Clock& clock, int songCount);

}  // namespace sonorix
