// The whole program: its outside parts, the splash, the player window and
// the chat command bot.
#pragma once

#include <memory>

#include "aol/quenby_aol8.h"
#include "aol/win32/bounded_window_api.h"
#include "bot/chat_bot.h"
#include "bot/nite_scan.h"
#include "bot/win32/Form8.h"
#include "look/win32/Form2.h"
#include "look/win32/Form3.h"
#include "look/win32/Form5.h"
#include "look/win32/Form6.h"
#include "ui/win32/Form7.h"
#include "ui/win32/frmAbout.h"
#include "ui/win32/tray_module.h"
#include "core/settings.h"
#include "core/win32/profile_store.h"
#include "core/win32/win32_clock.h"
#include "player/end_of_song_modes.h"
#include "player/random_song.h"
#include "player/win32/Form1.h"
#include "player/win32/mp3_media_player.h"

namespace sonorix {

class SonorixApp final : private BotWindows {
 public:
  explicit SonorixApp(std::string programFolder);
  ~SonorixApp() override;

  // Whether Start plays the splash. Most whole-program tests skip its fixed
  // five seconds; the first-start and installed-program runs play it.
  enum class Splash { Play, Skip };
  // Splash, then the player's load; false if the program ended meanwhile.
  // Throws StartFailure when a part it cannot run without is not made.
  bool Start(Splash splash = Splash::Play);
  // The message loop until the program ends; its exit code.
  int Run();

  Form1* Player() { return form1_.get(); }
  Form8* Results() { return form8_.get(); }
  Form3* ControlPanel() { return form3_.get(); }
  // The look windows, once opened.
  Form2* Presets() { return form2_.get(); }
  Form5* Styles() { return form5_.get(); }
  Form6* StyleMaker() { return form6_.get(); }
  Form7& CommandList() { return form7_; }
  frmAbout& About() { return about_; }
  TrayModule& Tray() { return tray_; }
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
  Form3& LoadedControlPanel();
  LookForm* Made(LookWindow window);
  LookForm* Existing(LookWindow window);
  void OpenStyleMaker();
  void BackToStyles();
  bool HasResultWindow() const;
  void OnResultPicked(const std::string& picked);
  void OnChatTimer();
  void OnChatLine(const ChatLineEvent& line);
  void OpenMenu(bool secondMenu);
  void ShowPlayer();
  void ShowAbout();

  ProfileStore store_;
  Settings settings_;
  BoundedWindowApi windows_;
  Aol8 aol_{windows_};
  Win32Clock clock_;
  StdRandomness random_;
  EndOfSongModes modes_;
  Mp3MediaPlayer mediaPlayer1_;
  std::unique_ptr<Form1> form1_;
  std::unique_ptr<Form8> form8_;
  std::unique_ptr<Form3> form3_;
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<Form5> form5_;
  std::unique_ptr<Form6> form6_;
  Form7 form7_{settings_, [this] { ShowPlayer(); }};
  frmAbout about_{[this] { ShowPlayer(); }};
  TrayModule tray_;
  std::unique_ptr<ChatBot> bot_;
  // The chat-scan reports each new line of the room once the player has
  // announced itself.
  NiteScan niteScan1_{aol_, windows_, [this](const ChatLineEvent& line) { OnChatLine(line); }};
};

}  // namespace sonorix
