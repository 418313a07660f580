#include "wine/dialogs.h"

#include <chrono>
#include <utility>

#include "core/win32/code_page.h"
#include "testutil.h"

namespace sonorix::testing {

using namespace std::chrono_literals;

std::vector<HWND> Dialogs() {
  std::vector<HWND> dialogs;
  EnumWindows(
      [](HWND window, LPARAM found) -> BOOL {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (process == GetCurrentProcessId() && std::wstring(name) == L"#32770" &&
            IsWindowVisible(window)) {
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&dialogs));
  return dialogs;
}

HWND WaitForDialog(const std::function<bool(HWND)>& wanted, const std::function<bool()>& giveUp) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (const HWND dialog : Dialogs()) {
          if (!wanted || wanted(dialog)) found = dialog;
        }
        return found != nullptr || (giveUp && giveUp());
      },
      30s);
  return giveUp && giveUp() ? nullptr : found;
}

std::wstring DialogText(HWND dialog) {
  wchar_t text[512] = {};
  GetDlgItemTextW(dialog, 0xFFFF, text, 512);
  return text;
}

void Press(HWND dialog, int button) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

void AnswerColourPicker(int button, COLORREF colour) {
  const HWND picker = WaitForDialog();
  if (button == IDOK) {
    constexpr int kRedBox = 706, kGreenBox = 707, kBlueBox = 708;
    SetDlgItemInt(picker, kRedBox, GetRValue(colour), FALSE);
    SetDlgItemInt(picker, kGreenBox, GetGValue(colour), FALSE);
    SetDlgItemInt(picker, kBlueBox, GetBValue(colour), FALSE);
  }
  Press(picker, button);
  WaitUntil([&] { return !IsWindow(picker); }, 10s);
}

MenuDriver::MenuDriver(std::vector<WPARAM> keys) : keys_(std::move(keys)) {
  thread_ = std::thread([this] { Drive(); });
}

void MenuDriver::Drive() {
  HWND popup = nullptr;
  WaitUntil([&] { return (popup = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(popup); },
            10s);
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
    captions.push_back(text[0] != 0 ? WideToUtf8(text) : "-");
  }
  defaultItem = static_cast<int>(GetMenuDefaultItem(menu, TRUE, 0));
  for (const WPARAM key : keys_) {
    PostMessageW(popup, WM_KEYDOWN, key, 0);
    PostMessageW(popup, WM_KEYUP, key, 0);
  }
}

}  // namespace sonorix::testing
