#include "bot/win32/match_list_window.h"

#include "core/win32/stay_on_top.h"
#include "ui/win32/accessible_name.h"
#include "ui/win32/gdi.h"
#include "ui/win32/twips.h"

namespace sonorix {

namespace {

constexpr int kWidth = 3600;  // twips
constexpr int kHeight = 2400;
constexpr int kIdMatchList = 100;

}  // namespace

MatchListWindow::MatchListWindow(PickHandler onPick, CloseHandler onClose)
    : onPick_(std::move(onPick)), onClose_(std::move(onClose)), frame_(nullptr) {
  // A taskbar and Alt+Tab entry: the window stands in for the hidden player.
  if (!CreateWindowOfClass(L"Sonorix Results", WS_EX_APPWINDOW,
                           WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                           TwipsRect(3000, 2000, kWidth, kHeight), nullptr, L"multi search view")) {
    return;
  }
  frame_ = ControlFrame(Hwnd());
  frame_.AddStrip(L"multi search view", {0, 0, kWidth, 240});
  matchList_ = &frame_.AddList(kIdMatchList, {60, 300, kWidth - 150, kHeight - 390}, LBS_NOTIFY);
  matchList_->onActivate = [this] { OnDoubleClick(); };
  SetAccessibleName(matchList_->Hwnd(), L"matches");
}

void MatchListWindow::Load(const Preset& preset) {
  LayOut(kWidth, kHeight);
  StayOnTop(Hwnd());
  frame_.Dress(preset);
}

void MatchListWindow::AddMatches(const std::vector<std::string>& matches) {
  for (const auto& match : matches) matchList_->Add(match);
}

std::vector<std::string> MatchListWindow::Matches() const { return matchList_->Texts(); }

void MatchListWindow::Unload() {
  SendMessageW(matchList_->Hwnd(), LB_RESETCONTENT, 0, 0);
  ShowWindow(Hwnd(), SW_HIDE);
}

void MatchListWindow::OnDoubleClick() {
  const auto selected = static_cast<int>(SendMessageW(matchList_->Hwnd(), LB_GETCURSEL, 0, 0));
  if (selected < 0) return;
  onPick_(matchList_->Text(selected));
}

LRESULT MatchListWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // Enter picks, as a double-click does; Esc closes, as the system's close.
      if (LOWORD(wParam) == IDOK) {
        OnDoubleClick();
        return 0;
      }
      if (LOWORD(wParam) == IDCANCEL) return OnMessage(WM_CLOSE, 0, 0);
      return Default(message, wParam, lParam);
    case WM_CLOSE:
      Unload();
      onClose_();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace sonorix
