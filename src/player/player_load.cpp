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
  const std::string folder = dialogs.BrowseForFolder("Browse For Folder");
  if (folder.empty()) {
    dialogs.ShowInformation(std::string(kNoMusicFolderSet));
    return;
  }
  songs.SetFolder(folder);
  // A folder that did not reach the disk is not told as set; the settings
  // say so themselves.
  if (!settings.WriteMain(kMusicFolderKey, folder)) return;
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
