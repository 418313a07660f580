#include "app/win32/sonorix_app.h"

#include <future>
#include <utility>

#include "app/win32/splash_window.h"
#include "app/win32/startup_dialogs.h"
#include "core/win32/message_pump.h"
#include "core/win32/stay_on_top.h"
#include "player/win32/song_list_box.h"
#include "ui/win32/msg_box_ex.h"
#include "ui/win32/program_icon.h"

namespace sonorix {

namespace {

bool QuitRequested() {
  MSG message;
  return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

}  // namespace

SonorixApp::SonorixApp(std::string programFolder)
    : settings_(store_, std::move(programFolder)),
      mediaPlayer_(
          [this] {
            if (playerWindow_) playerWindow_->EndOfSong();
          },
          AudioOutput::kDevice, [](std::string_view problem) { MsgBoxEx(problem, "Sonorix"); }) {
  mediaPlayer_.AskNextSongWith(
      [this] { return playerWindow_ ? playerWindow_->UpcomingSong() : std::string(); });
  // Raised once the program next handles events: the failed write may sit
  // inside a chat command or a dialog.
  settings_.OnFirstWriteFailure([](const std::string& folder) {
    MsgBoxEx("Sonorix cannot write to the folder " + folder +
                 ". Changes to your settings, presets and styles will not be kept.",
             "Sonorix");
  });
  chatScan_.SetPaceObserver([this](int ms) { chatTimer_.Pace(ms); });
}

SonorixApp::~SonorixApp() = default;

bool SonorixApp::Start(Splash splash) {
  // The splash plays for a fixed five seconds; a large music folder is read
  // meanwhile, so the list is full as soon as the player shows.
  const std::string folder = settings_.ReadMain(kMusicFolderKey);
  auto listing = std::async(std::launch::async, ListMp3Files, folder);
  if (splash == Splash::Play) SplashWindow().Run(clock_);
  if (QuitRequested()) return false;
  playerWindow_ = std::make_unique<PlayerWindow>(PlayerWindowParts{
      settings_, aol_, mediaPlayer_, clock_, random_, modes_,
      [this](bool secondMenu) { OpenMenu(secondMenu); },
      [this] { tray_.TrayRestore(playerWindow_->Hwnd()); }, [this] { Quit(); },
      [this] { BringForward(); }, [this] { tray_.OnTaskbarCreated(playerWindow_->Hwnd()); }});
  bot_ = std::make_unique<ChatBot>(BotParts{settings_, aol_, mediaPlayer_, mediaPlayer_,
                                            playerWindow_->Songs(), playerWindow_->Progress(),
                                            clock_, random_, playerWindow_->PlayerActions(),
                                            playerWindow_->Choice(), *this, modes_, chatScan_});
  playerWindow_->Songs().UseEarlyListing(folder, std::move(listing));
  // The player is not shown yet: owned by it, a first start's boxes would
  // have no taskbar button, and one click elsewhere would bury them.
  Win32StartupDialogs dialogs(nullptr);
  playerWindow_->Load(dialogs);
  StartChatScan();
  ShowWindow(playerWindow_->Hwnd(), SW_SHOW);
  StayOnTop(playerWindow_->Hwnd());
  return !QuitRequested();
}

int SonorixApp::Run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (HandledAsDialogKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

void SonorixApp::Quit() {
  aol_.EndChat();
  windows_.Close();
  clock_.EndWaits();
  PostQuitMessage(0);
}

// The player comes forward even where another of the program's windows
// stands in for it: the user started the program to see the player.
void SonorixApp::BringForward() {
  if (!playerWindow_) return;
  const HWND player = playerWindow_->Hwnd();
  if (tray_.Added()) {
    tray_.TrayRestore(player);
  } else {
    ShowWindow(player, SW_SHOW);
  }
  SetForegroundWindow(player);
}

void SonorixApp::OpenMenu(bool secondMenu) {
  LoadedControlPanel().ShowMenu(secondMenu ? PopupMenu::Second : PopupMenu::First,
                                playerWindow_->Hwnd());
}

// Once the player has announced itself: the lines before, its own among
// them, are never taken as commands.
void SonorixApp::StartChatScan() {
  chatScan_.Start();
  chatTimer_.Start(chatScan_.TickMs());
}

// The chat-scan's timer also spaces the lines of a "/scroll" listing and
// the idle bot's, which keep their own time. The client's integrity level is
// compared as the scan first finds it.
void SonorixApp::OnChatTimer() {
  integrityCheck_.Poll();
  chatScan_.Poll();
  if (bot_) bot_->Tick();
}

void SonorixApp::OnChatLine(const ChatLineEvent& line) {
  if (bot_) bot_->DispatchChatLine(line.screenName, line.text);
}

// The result window is made once and only hidden afterwards; each search
// loads it afresh with the preset's colours. One the system could not make
// is tried again at the next search.
void SonorixApp::FillResults(const std::vector<std::string>& matches) {
  if (!HasResultWindow()) {
    matchListWindow_ = std::make_unique<MatchListWindow>(
        [this](const std::string& picked) { OnResultPicked(picked); },
        [this] { ShowWindow(playerWindow_->Hwnd(), SW_SHOW); });
  }
  if (!HasResultWindow()) return;
  matchListWindow_->Load(settings_.ReadCurrentPreset());
  matchListWindow_->AddMatches(matches);
}

// Hiding the player with nothing shown in its place would leave the user
// no window at all.
void SonorixApp::ShowResults() {
  if (!HasResultWindow()) return;
  ShowWindow(playerWindow_->Hwnd(), SW_HIDE);
  ShowWindow(matchListWindow_->Hwnd(), SW_SHOW);
}

bool SonorixApp::HasResultWindow() const { return matchListWindow_ && matchListWindow_->Hwnd(); }

int SonorixApp::CommandCount() { return commandListWindow_.ListCount(); }

void SonorixApp::ShowPlayer() {
  if (playerWindow_) ShowWindow(playerWindow_->Hwnd(), SW_SHOW);
}

void SonorixApp::ShowAbout() {
  if (!about_.Hwnd()) return;  // as with the results: never hide the player for nothing
  ShowWindow(playerWindow_->Hwnd(), SW_HIDE);
  about_.Open();
}

void SonorixApp::OnResultPicked(const std::string& picked) {
  bot_->Songs().PickFromResults(picked);
  matchListWindow_->Unload();
  ShowWindow(playerWindow_->Hwnd(), SW_SHOW);
}

}  // namespace sonorix
