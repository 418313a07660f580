#include "player/player_load.h"

#include "chattext/program_lines.h"

namespace sonorix {

void LoadMusicFolder(Settings& settings, SongList& songs, StartupDialogs& dialogs) {
  if (!settings.ReadMain(kMusicFolderKey).empty()) {
    songs.SetFolder(settings.ReadMain(kMusicFolderKey));
    return;
  }
  dialogs.ShowInformation(
      "Welcome to Sonorix. Since this is your first time using this program, you will have to "
      "set up your directory");
  settings.WriteMain(kMusicFolderKey, dialogs.BrowseForFolder("Browse For Folder"));
  const std::string folder = settings.ReadMain(kMusicFolderKey);
  songs.SetFolder(folder);
  dialogs.ShowInformation("Thank you, your music directory was set\r\n\r\nSaved directory : " +
                          folder + "\r\n\r\nSong's found : " + std::to_string(songs.Count()));
}

void NameDefaultLook(Settings& settings) {
  if (settings.ReadMain(kPresetKey).empty()) settings.WriteMain(kPresetKey, "default");
  if (settings.ReadMain(kStyleKey).empty()) settings.WriteMain(kStyleKey, "sonorix");
}

void AnnounceStart(const Settings& settings, AolClient& aol, Clock& clock, int songCount) {
  const Style style = settings.ReadCurrentStyle();
  aol.SendChat(StartupBanner(style));
  clock.Pause(0.1);
  aol.SendChat(SummaryLine(style, songCount, settings.ReadMain(kPresetKey), style.name));
}

}  // namespace sonorix
