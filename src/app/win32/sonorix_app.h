// The whole program: its outside parts, the splash, the player window and
// the chat command bot.
#pragma once

#include <memory>

#include "aol/aol_client.h"
#include "aol/integrity_check.h"
#include "aol/win32/bounded_window_api.h"
#include "aol/win32/token_integrity_levels.h"
#include "app/win32/chat_timer_window.h"
#include "bot/chat_bot.h"
#include "bot/chat_scan.h"
#include "bot/win32/match_list_window.h"
#include "core/settings.h"
#include "core/win32/profile_store.h"
#include "core/win32/win32_clock.h"
#include "look/win32/control_panel_window.h"
#include "look/win32/preset_window.h"
#include "look/win32/style_list_window.h"
#include "look/win32/style_maker_window.h"
#include "player/end_of_song_modes.h"
#include "player/random_song.h"
#include "player/win32/mp3_media_player.h"
#include "player/win32/player_window.h"
#include "ui/win32/about_box.h"
#include "ui/win32/command_list_window.h"
#include "ui/win32/msg_box_ex.h"
#include "ui/win32/tray_icon.h"

namespace sonorix {

class SonorixApp final : private BotWindows {
 public:
  explicit SonorixApp(std::string programFolder);
  ~SonorixApp() override;

  // Whether Start plays the splash. Most whole-program tests skip its fixed
  // five seconds; the first-start and installed-program runs play it.
  enum class Splash { Play, Skip };
  // Splash, the player's load, then the chat-scan and its timer; false if
  // the program ended meanwhile. Throws StartFailure when a part it cannot
  // run without is not made.
  bool Start(Splash splash = Splash::Play);
  // The message loop until the program ends; its exit code.
  int Run();

  // The program ends now: nothing more reaches the client, and a handler
  // waiting for the client gives up at once rather than at its bound.
  void Quit();
  // Asked by a second start: the player shows and comes forward, out of
  // the tray if it is there.
  void BringForward();

  PlayerWindow* Player() { return playerWindow_.get(); }
  ChatBot* Bot() { return bot_.get(); }
  MatchListWindow* Results() { return matchListWindow_.get(); }
  ControlPanelWindow* ControlPanel() { return controlPanelWindow_.get(); }
  // The look windows, once opened.
  PresetWindow* Presets() { return presetWindow_.get(); }
  StyleListWindow* Styles() { return styleListWindow_.get(); }
  StyleMakerWindow* StyleMaker() { return styleMakerWindow_.get(); }
  CommandListWindow& CommandList() { return commandListWindow_; }
  AboutBox& About() { return about_; }
  TrayIcon& Tray() { return tray_; }
  EndOfSongModes& Modes() { return modes_; }

 private:
  void FillResults(const std::vector<std::string>& matches) override;
  void ShowResults() override;
  int CommandCount() override;
  std::vector<std::string> ListIniFiles(const std::string& folder) override;
  void ApplyPlayerPreset(const Preset& preset) override;
  bool IsShown(LookWindow window) override;
  void Open(LookWindow window) override;
  void Close(LookWindow window) override;
  ControlPanelWindow& LoadedControlPanel();
  LookFrame* Made(LookWindow window);
  LookFrame* Existing(LookWindow window);
  void OpenStyleMaker();
  void BackToStyles(bool refill);
  bool HasResultWindow() const;
  void OnResultPicked(const std::string& picked);
  void StartChatScan();
  void OnChatTimer();
  void OnChatLine(const ChatLineEvent& line);
  void OpenMenu(bool secondMenu);
  void ShowPlayer();
  void ShowAbout();

  ProfileStore store_;
  Settings settings_;
  BoundedWindowApi windows_;
  AolClient aol_{windows_};
  TokenIntegrityLevels integrity_;
  ClientIntegrityCheck integrityCheck_{
      windows_, integrity_, [](std::string_view warning) { MsgBoxEx(warning, "Sonorix"); }};
  Win32Clock clock_;
  StdRandomness random_;
  EndOfSongModes modes_;
  Mp3MediaPlayer mediaPlayer_;
  std::unique_ptr<PlayerWindow> playerWindow_;
  std::unique_ptr<MatchListWindow> matchListWindow_;
  std::unique_ptr<ControlPanelWindow> controlPanelWindow_;
  std::unique_ptr<PresetWindow> presetWindow_;
  std::unique_ptr<StyleListWindow> styleListWindow_;
  std::unique_ptr<StyleMakerWindow> styleMakerWindow_;
  CommandListWindow commandListWindow_{settings_, [this] { ShowPlayer(); }};
  AboutBox about_{[this] { ShowPlayer(); }};
  TrayIcon tray_;
  std::unique_ptr<ChatBot> bot_;
  // The chat-scan reports each new line of the room once the player has
  // announced itself.
  ChatScan chatScan_{aol_, windows_, clock_,
                     [this](const ChatLineEvent& line) { OnChatLine(line); }};
  // The program's chat work runs from this timer's tick, at the pace the
  // chat-scan asks. Made last, so it is gone before anything its tick uses.
  ChatTimerWindow chatTimer_{[this] { OnChatTimer(); }};
};

}  // namespace sonorix
