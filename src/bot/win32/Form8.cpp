#include "bot/win32/Form8.h"

#include "core/win32/stay_on_top.h"
#include "ui/win32/gdi.h"
#include "ui/win32/preset_look.h"
#include "ui/win32/twips.h"

namespace sonorix {

namespace {

constexpr int kWidth = 3600;  // twips
constexpr int kHeight = 2400;
constexpr int kIdList1 = 100;

}  // namespace

Form8::Form8(PickHandler onPick, CloseHandler onClose)
    : onPick_(std::move(onPick)), onClose_(std::move(onClose)) {
  if (!CreateWindowOfClass(L"Sonorix Results", WS_EX_TOOLWINDOW,
                           WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                           TwipsRect(3000, 2000, kWidth, kHeight), nullptr, L"multi search view")) {
    return;
  }
  picture_ = std::make_unique<TitleStrip>(Hwnd(), TwipsRect(0, 0, kWidth, 240), L"multi search view");
  list1_ = std::make_unique<ListBox>(Hwnd(), kIdList1,
                                     TwipsRect(60, 300, kWidth - 150, kHeight - 390), LBS_NOTIFY);
}

void Form8::Load(const Preset& preset) {
  StayOnTop(Hwnd());
  ApplyPreset(preset, *picture_, list1_.get());
}

void Form8::AddMatches(const std::vector<std::string>& matches) {
  for (const auto& match : matches) list1_->Add(match);
}

std::vector<std::string> Form8::Matches() const { return list1_->Texts(); }

void Form8::Unload() {
  SendMessageW(list1_->Hwnd(), LB_RESETCONTENT, 0, 0);
  ShowWindow(Hwnd(), SW_HIDE);
}

void Form8::OnDoubleClick() {
  const auto selected = static_cast<int>(SendMessageW(list1_->Hwnd(), LB_GETCURSEL, 0, 0));
  if (selected < 0) return;
  onPick_(list1_->Text(selected));
}

LRESULT Form8::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kIdList1 && HIWORD(wParam) == LBN_DBLCLK) OnDoubleClick();
      return 0;
    case WM_CTLCOLORLISTBOX:
      return list1_->OnCtlColor(reinterpret_cast<HDC>(wParam));
    case WM_CLOSE:
      Unload();
      onClose_();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace sonorix
