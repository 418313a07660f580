#include "ui/win32/tray_icon.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <utility>

#include "core/win32/code_page.h"
#include "ui/tray.h"

namespace sonorix {

namespace {

// The record up to the end of its first, 64-character tip: what the
// shell's first version read, and what it still accepts from every program.
constexpr DWORD kVersionOneSize = offsetof(NOTIFYICONDATAA, szTip) + 64;
static_assert(sizeof(void*) != 4 || kVersionOneSize == 88);
static_assert(kTrayIconFlags == (NIF_MESSAGE | NIF_ICON | NIF_TIP));
static_assert(kTrayCallbackMessage == WM_MOUSEMOVE);

void DropLastCharacter(std::string& utf8) {
  while (!utf8.empty() && (static_cast<unsigned char>(utf8.back()) & 0xC0) == 0x80) utf8.pop_back();
  if (!utf8.empty()) utf8.pop_back();
}

// The ANSI record holds the tip in the system's code page. Where a
// character takes two bytes there, whole characters go from the end until
// the tip and its zero fit the 64-byte field.
template <std::size_t N>
void CopyTip(std::string_view utf8, char (&field)[N]) {
  static_assert(N > kTrayTipCharacters);
  std::string tip = TrayTip(utf8);
  std::string ansi = Utf8ToSystemAnsi(tip);
  while (ansi.size() > kTrayTipCharacters) {
    DropLastCharacter(tip);
    ansi = Utf8ToSystemAnsi(tip);
  }
  std::memcpy(field, ansi.data(), ansi.size());
  field[ansi.size()] = '\0';
}

}  // namespace

TrayIcon::TrayIcon(ShellNotify shell) : shell_(std::move(shell)) {}

bool TrayIcon::RealShell(DWORD message, NOTIFYICONDATAA& data) {
  return Shell_NotifyIconA(message, &data) != FALSE;
}

TrayIcon::~TrayIcon() {
  if (added_) TrayRemove();
}

bool TrayIcon::TrayAdd(HICON icon, std::string_view tip, HWND window) {
  // The shell refuses a second icon under the same window and id.
  if (added_) TrayRemove();
  trayIconData_ = NOTIFYICONDATAA{};
  trayIconData_.cbSize = kVersionOneSize;
  trayIconData_.hWnd = window;
  trayIconData_.uID = kTrayIconId;
  trayIconData_.uFlags = kTrayIconFlags;
  trayIconData_.uCallbackMessage = kTrayCallbackMessage;
  trayIconData_.hIcon = icon;
  CopyTip(tip, trayIconData_.szTip);
  if (!shell_(NIM_ADD, trayIconData_)) return false;
  added_ = true;
  ShowWindow(window, SW_HIDE);
  return true;
}

bool TrayIcon::TrayRemove() {
  added_ = false;
  return shell_(NIM_DELETE, trayIconData_);
}

void TrayIcon::TrayRestore(HWND window) {
  TrayRemove();
  ShowWindow(window, SW_SHOW);
}

// The same broadcast can reach a taskbar that still shows the icon (a
// second shell, or Wine's): the shell refuses a second add of it, but
// accepts a change to it, and then the icon is there.
void TrayIcon::OnTaskbarCreated(HWND window) {
  if (!added_) return;
  if (shell_(NIM_ADD, trayIconData_) || shell_(NIM_MODIFY, trayIconData_)) return;
  added_ = false;
  ShowWindow(window, SW_SHOW);
}

UINT TrayIcon::TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

// Without it Windows drops the broadcast at an elevated program's door.
void TrayIcon::AllowTaskbarCreated(HWND window) {
  ChangeWindowMessageFilterEx(window, TaskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);
}

}  // namespace sonorix
