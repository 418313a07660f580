#include "app/win32/sonorix_app.h"

#include <future>
#include <utility>

#include "app/win32/Form4.h"
#include "app/win32/startup_dialogs.h"
#include "core/win32/stay_on_top.h"
#include "player/win32/song_list_box.h"
#include "ui/win32/program_icon.h"

namespace sonorix {

namespace {

bool QuitRequested() {
  MSG message;
  return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

}  // namespace

SonorixApp::SonorixApp(std::string programFolder)
    : settings_(store_, std::move(programFolder)), mediaPlayer1_([this] {
        if (form1_) form1_->EndOfSong();
      }) {}

SonorixApp::~SonorixApp() = default;

bool SonorixApp::Start(Splash splash) {
  // The splash plays for a fixed five seconds; a large music folder is read
  // meanwhile, so the list is full as soon as the player shows.
  const std::string folder = settings_.ReadMain(kMusicFolderKey);
  auto listing = std::async(std::launch::async, ListMp3Files, folder);
  if (splash == Splash::Play) Form4().Run(clock_);
  if (QuitRequested()) return false;
  form1_ = std::make_unique<Form1>(Form1Parts{settings_, aol_, mediaPlayer1_, clock_, random_,
                                              modes_, [this] { niteScan1_.Start(); },
                                              [this] { OnChatTimer(); },
                                              [this](bool secondMenu) { OpenMenu(secondMenu); },
                                              [this] { tray_.TrayRestore(form1_->Hwnd()); }});
  bot_ = std::make_unique<ChatBot>(BotParts{
      settings_, aol_, mediaPlayer1_, mediaPlayer1_, form1_->File1(), form1_->Picture1(), clock_,
      random_, form1_->PlayerActions(), form1_->Choice(), *this, modes_, niteScan1_});
  niteScan1_.SetPaceObserver([this](int ms) { form1_->PaceChatScan(ms); });
  form1_->File1().UseEarlyListing(folder, std::move(listing));
  Win32StartupDialogs dialogs(form1_->Hwnd());
  form1_->Load(dialogs);
  ShowWindow(form1_->Hwnd(), SW_SHOW);
  StayOnTop(form1_->Hwnd());
  return !QuitRequested();
}

int SonorixApp::Run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (form1_ && IsDialogMessageW(form1_->Hwnd(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

void SonorixApp::OpenMenu(bool secondMenu) {
  LoadedControlPanel().ShowMenu(secondMenu ? PopupMenu::Second : PopupMenu::First,
                                form1_->Hwnd());
}

// The chat-scan's timer also spaces the lines of a "/scroll" listing and
// the idle bot's, which keep their own time.
void SonorixApp::OnChatTimer() {
  niteScan1_.Poll();
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
    form8_ = std::make_unique<Form8>([this](const std::string& picked) { OnResultPicked(picked); },
                                     [this] { ShowWindow(form1_->Hwnd(), SW_SHOW); });
  }
  if (!HasResultWindow()) return;
  form8_->Load(settings_.ReadCurrentPreset());
  form8_->AddMatches(matches);
}

// Hiding the player with nothing shown in its place would leave the user
// no window at all.
void SonorixApp::ShowResults() {
  if (!HasResultWindow()) return;
  ShowWindow(form1_->Hwnd(), SW_HIDE);
  ShowWindow(form8_->Hwnd(), SW_SHOW);
}

bool SonorixApp::HasResultWindow() const { return form8_ && form8_->Hwnd(); }

int SonorixApp::CommandCount() { return form7_.ListCount(); }

void SonorixApp::ShowPlayer() {
  if (form1_) ShowWindow(form1_->Hwnd(), SW_SHOW);
}

void SonorixApp::ShowAbout() {
  if (!about_.Hwnd()) return;  // as with the results: never hide the player for nothing
  ShowWindow(form1_->Hwnd(), SW_HIDE);
  about_.Open();
}

void SonorixApp::OnResultPicked(const std::string& picked) {
  bot_->Songs().PickFromResults(picked);
  form8_->Unload();
  ShowWindow(form1_->Hwnd(), SW_SHOW);
}

}  // namespace sonorix
