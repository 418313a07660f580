// The player window: title strip, song list, progress bar and the buttons.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "aol/aol_client.h"
#include "core/clock.h"
#include "core/settings.h"
#include "player/end_of_song_modes.h"
#include "player/media_player.h"
#include "player/player.h"
#include "player/player_load.h"
#include "player/song_choice.h"
#include "player/win32/progress_bar.h"
#include "player/win32/song_list_box.h"
#include "ui/win32/control_frame.h"
#include "ui/win32/window.h"

namespace sonorix {

// What the player window works with; all of it outlives the window.
struct PlayerWindowParts {
  Settings& settings;
  AolClient& aol;
  MediaPlayer& media;
  Clock& clock;
  Randomness& random;
  const EndOfSongModes& modes;
  // The "m&enu" button opens the first of the control panel's menus, a
  // right-press on the song list the second.
  std::function<void(bool secondMenu)> openMenu;
  // A double-click or right-press on the notification-area icon.
  std::function<void()> restoreFromTray;
  // The program ends: after "&close" has said its last lines, or when the
  // user's session ends.
  std::function<void()> quit;
  // A second start of the program asks this one to come forward.
  std::function<void()> bringForward;
  // Explorer restarted, with a new taskbar that lacks the icon.
  std::function<void()> taskbarCreated;
};

class PlayerWindow final : public Window {
 public:
  // A second start of the program finds the running one's player by its
  // class and sends it the message to come forward.
  static constexpr const wchar_t* kClassName = L"Sonorix Player";
  static UINT BringForwardMessage();

  explicit PlayerWindow(PlayerWindowParts parts);
  ~PlayerWindow() override;

  // The player's load: music folder, default look, colours and the two
  // start-up lines. The dialogs ask for the music folder on a first start.
  // The constructor throws StartFailure when the window or a control of it
  // cannot be made.
  void Load(StartupDialogs& dialogs);
  // The media player's end-of-stream event.
  void EndOfSong();
  std::string UpcomingSong();
  void ApplyPreset(const Preset& preset);

  SongListBox& Songs() { return *songList_; }
  SongChoice& Choice() { return choice_; }
  ProgressBar& Progress() { return *progressBar_; }
  Player& PlayerActions() { return *player_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();
  bool ControlsMade() const;
  void OnButton(int id);

  PlayerWindowParts parts_;
  ControlFrame frame_;  // the strip, the song list and the buttons
  std::unique_ptr<SongListBox> songList_;
  std::unique_ptr<ProgressBar> progressBar_;
  std::unique_ptr<Player> player_;
  // The search commands' working state, kept for the whole run.
  SongChoice choice_;
};

}  // namespace sonorix
