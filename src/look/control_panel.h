// What the player's two pop-up menus do, apart from the menus themselves.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "aol/aol_client.h"
#include "core/settings.h"
#include "player/end_of_song_modes.h"
#include "player/media_player.h"

namespace sonorix {

// The entries of the two menus, in order; "-" is a separator.
enum class MenuEntry {
  Separator,
  Presets,
  Styles,
  SetupDir,
  RefreshDir,
  SetupFade,
  SetupColor,
  Minimize,
  Unload,
  Cancel,
  About,
  AutoRandom,
  Continuous,
};
struct MenuItem {
  MenuEntry entry;
  std::string caption;
};
std::vector<MenuItem> FirstMenu();
// The mode entries show the modes' current captions.
std::vector<MenuItem> SecondMenu(const EndOfSongModes& modes);

// Choosing an "off" mode entry turns it on, says so and turns the other
// mode off; choosing it while on turns it off without a word.
void ChooseAutoRandomEntry(EndOfSongModes& modes, const Settings& settings, AolClient& aol);
void ChooseContinuousEntry(EndOfSongModes& modes, const Settings& settings, AolClient& aol);

// The tray tip: the playing song's name, or the program's name alone.
std::string MinimizeTip(PlayState state, std::string_view selectedFile);

// Each key gets the colour picked for it, as decimal text, in the file of
// the preset current once the pick is made (made if it is missing); the
// preset is then read back.
Preset PickPresetColours(Settings& settings, const std::vector<PresetColour>& which,
                         const ColourPick& pick);

}  // namespace sonorix
