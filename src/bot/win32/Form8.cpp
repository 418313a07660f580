#include "bot/win32/Form8.h"

#include "aol/win32/code_page.h"
#include "core/win32/stay_on_top.h"
#include "ui/win32/gdi.h"
#include "ui/win32/twips.h"

namespace sonorix {

namespace {

constexpr int kWidth = 3600;  // twips
constexpr int kHeight = 2400;
constexpr int kIdList1 = 100;

}  // namespace

Form8::Form8(PickHandler onPick, CloseHandler onClose)
    : onPick_(std::move(onPick)), onClose_(std::move(onClose)) {
  CreateWindowOfClass(L"Sonorix Results", WS_EX_TOOLWINDOW, WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                      TwipsRect(3000, 2000, kWidth, kHeight), nullptr, L"multi search view");
  picture_ = std::make_unique<TitleStrip>(Hwnd(), TwipsRect(0, 0, kWidth, 240), L"multi search view");
  const RECT list = TwipsRect(60, 300, kWidth - 150, kHeight - 390);
  list1_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                           list.left, list.top, list.right - list.left, list.bottom - list.top,
                           Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdList1)),
                           GetModuleHandleW(nullptr), nullptr);
  SendMessageW(list1_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
}

void Form8::Load(const Preset& preset) {
  StayOnTop(Hwnd());
  picture_->SetColours(preset.fade1, preset.fade2, preset.label);
  listColour_ = ToColorRef(preset.list.bgr);
  InvalidateRect(list1_, nullptr, TRUE);
}

void Form8::AddMatches(const std::vector<std::string>& matches) {
  for (const auto& match : matches) {
    SendMessageW(list1_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(match).c_str()));
  }
}

std::vector<std::string> Form8::Matches() const {
  std::vector<std::string> matches;
  const auto count = static_cast<int>(SendMessageW(list1_, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(list1_, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    SendMessageW(list1_, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    matches.push_back(WideToUtf8(text.c_str()));
  }
  return matches;
}

void Form8::Unload() {
  SendMessageW(list1_, LB_RESETCONTENT, 0, 0);
  ShowWindow(Hwnd(), SW_HIDE);
}

void Form8::OnDoubleClick() {
  const auto selected = static_cast<int>(SendMessageW(list1_, LB_GETCURSEL, 0, 0));
  if (selected < 0) return;
  onPick_(Matches()[static_cast<std::size_t>(selected)]);
}

LRESULT Form8::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kIdList1 && HIWORD(wParam) == LBN_DBLCLK) OnDoubleClick();
      return 0;
    case WM_CTLCOLORLISTBOX:
      SetTextColor(reinterpret_cast<HDC>(wParam), listColour_);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_CLOSE:
      Unload();
      onClose_();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace sonorix
