#include "ui/win32/tray_module.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

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

template <std::size_t N>
void CopyTip(std::string_view tip, char (&field)[N]) {
  static_assert(N > kTrayTipCharacters);
  const std::string ansi = Utf8ToAnsi(TrayTip(tip));
  // A character that needs two ANSI bytes must not push the zero out of
  // the 64-character field.
  const std::size_t length = std::min(ansi.size(), kTrayTipCharacters);
  std::memcpy(field, ansi.data(), length);
  field[length] = '\0';
}

}  // namespace

TrayModule::~TrayModule() {
  if (added_) TrayRemove();
}

bool TrayModule::TrayAdd(HICON icon, std::string_view tip, HWND window) {
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
  if (!Shell_NotifyIconA(NIM_ADD, &trayIconData_)) return false;
  added_ = true;
  ShowWindow(window, SW_HIDE);
  return true;
}

bool TrayModule::TrayRemove() {
  added_ = false;
  return Shell_NotifyIconA(NIM_DELETE, &trayIconData_) != FALSE;
}

void TrayModule::TrayRestore(HWND window) {
  TrayRemove();
  ShowWindow(window, SW_SHOW);
}

}  // namespace sonorix
