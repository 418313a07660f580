#include "player/win32/player_window.h"

#include <windowsx.h>

#include "core/win32/start_failure.h"
#include "core/win32/stay_on_top.h"
#include "player/player_load.h"
#include "ui/tray.h"
#include "ui/win32/accessible_name.h"
#include "ui/win32/gdi.h"
#include "ui/win32/tray_icon.h"
#include "ui/win32/twips.h"
#include "ui/win32/work_area.h"

namespace sonorix {

namespace {

constexpr int kWidth = 2950;  // twips
constexpr int kHeight = 1515;
constexpr int kIdSongList = 100;
constexpr int kIdPlay = 201;  // play; menu, stop, random and close follow in order
constexpr int kIdMenu = 202;
constexpr int kIdStop = 203;
constexpr int kIdRandom = 204;
constexpr int kIdClose = 205;
constexpr const wchar_t* kCaptions[] = {L"play", L"m&enu", L"stop", L"random", L"&close"};

// Near the top right corner of the first monitor's work area, clear of the
// client's rooms and of a taskbar docked at the top or right.
RECT StartingPlace() {
  const RECT size = TwipsRect(0, 0, kWidth, kHeight);
  const RECT area = WorkAreaOf(nullptr);
  const int left = area.right - size.right - TwipsToPixelsX(300);
  const int top = area.top + TwipsToPixelsY(600);
  return RECT{left, top, left + size.right, top + size.bottom};
}

}  // namespace

UINT PlayerWindow::BringForwardMessage() {
  static const UINT message = RegisterWindowMessageW(L"Sonorix: bring the player forward");
  return message;
}

PlayerWindow::PlayerWindow(PlayerWindowParts parts) : parts_(std::move(parts)), frame_(nullptr) {
  if (!CreateWindowOfClass(kClassName, 0, WS_POPUP | WS_CLIPCHILDREN, StartingPlace(), nullptr,
                           L"Sonorix")) {
    throw StartFailure("the player window");
  }
  // A copy started elevated would otherwise never hear a plain second start.
  ChangeWindowMessageFilterEx(Hwnd(), BringForwardMessage(), MSGFLT_ALLOW, nullptr);
  TrayIcon::AllowTaskbarCreated(Hwnd());
  CreateControls();
  if (!ControlsMade()) throw StartFailure("a control of the player window");
  player_ = std::make_unique<Player>(PlayerParts{parts_.settings, parts_.aol, parts_.media,
                                                 *songList_, *progressBar_, parts_.clock,
                                                 parts_.random, parts_.modes});
}

PlayerWindow::~PlayerWindow() = default;

// A double-click only changes the song while one plays.
void PlayerWindow::CreateControls() {
  frame_ = ControlFrame(Hwnd());
  frame_.AddStrip(L"Sonorix", {0, 0, kWidth, 240});
  songList_ = std::make_unique<SongListBox>(Hwnd(), kIdSongList, TwipsBox{60, 270, 2830, 720});
  frame_.UseList(songList_->List());
  songList_->List().onActivate = [this] { player_->PlaySelection(); };
  songList_->List().onSelect = [this] { songList_->ShowSelectionTip(); };
  progressBar_ = std::make_unique<ProgressBar>(
      Hwnd(), TwipsBox{60, 1010, 2830, 135}, parts_.settings, parts_.media,
      [this](int x, int width, bool left) { player_->SeekPress(x, width, left); });
  SetAccessibleName(songList_->Hwnd(), L"songs");
  SetAccessibleName(progressBar_->Hwnd(), L"position");
  for (int i = 0; i < 5; ++i) {
    const int id = kIdPlay + i;
    frame_.AddButton(id, kCaptions[i], {60 + i * 566, 1185, 566, 270},
                     [this, id] { OnButton(id); });
  }
}

bool PlayerWindow::ControlsMade() const {
  return frame_.Made() && songList_->Hwnd() && progressBar_->Hwnd();
}

void PlayerWindow::Load(StartupDialogs& dialogs) {
  LayOut(kWidth, kHeight);
  StayOnTop(Hwnd());
  LoadMusicFolder(parts_.settings, *songList_, dialogs);
  NameDefaultLook(parts_.settings);
  ApplyPreset(parts_.settings.ReadCurrentPreset());
  AnnounceStart(parts_.settings, parts_.aol, parts_.clock, songList_->Count());
}

void PlayerWindow::ApplyPreset(const Preset& preset) { frame_.Dress(preset); }

void PlayerWindow::EndOfSong() { player_->EndOfSong(); }

std::string PlayerWindow::UpcomingSong() { return player_->UpcomingSong(); }

void PlayerWindow::OnButton(int id) {
  switch (id) {
    case kIdPlay:
      player_->PlayButton();
      break;
    case kIdStop:
      player_->StopButton();
      break;
    case kIdRandom:
      player_->RandomButton();
      break;
    case kIdMenu:
      parts_.openMenu(false);
      break;
    case kIdClose:
      player_->CloseButton();
      parts_.quit();
      break;
    default:
      break;
  }
}

LRESULT PlayerWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    // Enter plays the selected song, as the play button does, or presses
    // the button that has the focus; Esc does what the close button does.
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {
        OnButton(kIdClose);
        return 0;
      }
      if (LOWORD(wParam) == IDOK) {
        if (!frame_.PressFocusedButton()) player_->PlayButton();
        return 0;
      }
      return Default(message, wParam, lParam);
    // The song list answers typed letters itself; every other key keeps its
    // usual meaning.
    case WM_VKEYTOITEM:
      return -1;
    // The shell reports the tray icon's mouse activity as a mouse move
    // whose x is the mouse message.
    case WM_MOUSEMOVE:
      if (TrayMessage(GET_X_LPARAM(lParam)) != kTrayNothing) parts_.restoreFromTray();
      return 0;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == songList_->Hwnd()) parts_.openMenu(true);
      return 0;
    case WM_CLOSE:
      OnButton(kIdClose);
      return 0;
    // The session may end any time after this returns, and the client ends
    // with it: the program ends at once, as " unload me" ends it, without
    // waiting for the client or typing into it.
    case WM_ENDSESSION:
      if (wParam) parts_.quit();
      return 0;
    default:
      if (message != 0 && message == BringForwardMessage()) {
        parts_.bringForward();
        return 0;
      }
      if (message == TrayIcon::TaskbarCreatedMessage()) {
        parts_.taskbarCreated();
        return 0;
      }
      return Default(message, wParam, lParam);
  }
}

}  // namespace sonorix
