#include "look/win32/look_frame.h"

#include <string_view>

#include "core/win32/code_page.h"
#include "core/win32/stay_on_top.h"
#include "look/remove_duplicates.h"
#include "look/win32/look_helpers.h"
#include "ui/win32/preset_look.h"
#include "ui/win32/twips.h"

namespace sonorix {

namespace {

constexpr int kStripHeight = 240;  // twips
constexpr int kMaxButtons = 4;

HWND MakeChild(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style, DWORD exStyle,
               int id, const RECT& twips) {
  const RECT rect = TwipsRect(twips.left, twips.top, twips.right, twips.bottom);
  const HWND child = CreateWindowExW(exStyle, kind, text, WS_CHILD | WS_VISIBLE | style, rect.left,
                                     rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                     parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return child;
}

}  // namespace

LookFrame::LookFrame(const wchar_t* className, const wchar_t* caption, int width, int height)
    : width_(width), height_(height) {
  // A taskbar and Alt+Tab entry: the window stands in for the hidden player.
  if (!CreateWindowOfClass(className, WS_EX_APPWINDOW, WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                           TwipsRect(3000, 2000, width, height), nullptr, caption)) {
    return;
  }
  titleStrip_ = std::make_unique<TitleStrip>(Hwnd(), TwipsRect(0, 0, width, kStripHeight), caption);
  buttons_.reserve(kMaxButtons);  // the buttons are handed out as one span
}

void LookFrame::AddButton(int id, const wchar_t* caption, const RECT& twips) {
  const RECT rect = TwipsRect(twips.left, twips.top, twips.right, twips.bottom);
  buttons_.emplace_back(Hwnd(), id, caption, rect);
}

void LookFrame::AddList(int id, const RECT& twips) {
  list_ = std::make_unique<ListBox>(
      Hwnd(), id, TwipsRect(twips.left, twips.top, twips.right, twips.bottom), LBS_NOTIFY);
}

HWND LookFrame::AddTextBox(int id, const wchar_t* text, const RECT& twips, bool readOnly) {
  const DWORD style = WS_TABSTOP | ES_AUTOHSCROLL | (readOnly ? ES_READONLY : 0);
  return MakeChild(Hwnd(), L"EDIT", text, style, WS_EX_CLIENTEDGE, id, twips);
}

HWND LookFrame::AddLabel(const wchar_t* text, const RECT& twips) {
  return MakeChild(Hwnd(), L"STATIC", text, SS_LEFT, 0, -1, twips);
}

void LookFrame::SetTextColour(HWND control, COLORREF colour) {
  textColours_[control] = colour;
  InvalidateRect(control, nullptr, TRUE);
}

COLORREF LookFrame::TextColour(HWND control) const {
  const auto found = textColours_.find(control);
  return found == textColours_.end() ? GetSysColor(COLOR_WINDOWTEXT) : found->second;
}

HWND LookFrame::Button(const std::wstring& caption) const {
  return FindWindowExW(Hwnd(), nullptr, L"Button", caption.c_str());
}

void LookFrame::Dress(const Preset& preset) {
  const RECT size = TwipsRect(0, 0, width_, height_);
  SetWindowPos(Hwnd(), nullptr, 0, 0, size.right, size.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  StayOnTop(Hwnd());
  ApplyPreset(preset, *titleStrip_, list_.get(), buttons_);
}

void LookFrame::FillList(const Settings& settings, const LookKind& kind) {
  std::vector<std::string> names =
      DisplayNames(settings, kind, ListIniFiles(LookFolder(settings, kind)));
  RemoveDuplicates(names);
  SendMessageW(list_->Hwnd(), LB_RESETCONTENT, 0, 0);
  for (const std::string& name : names) list_->Add(name);
}

std::string LookFrame::TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
  return WideToUtf8(text.c_str());
}

std::optional<std::string> LookFrame::Selected() const {
  if (!list_) return std::nullopt;
  const auto at = static_cast<int>(SendMessageW(list_->Hwnd(), LB_GETCURSEL, 0, 0));
  if (at < 0) return std::nullopt;
  return list_->Text(at);
}

LRESULT LookFrame::OnControlColour(HWND control, HDC dc) {
  SetTextColor(dc, TextColour(control));
  wchar_t kind[8] = {};
  GetClassNameW(control, kind, 8);
  const int background = std::wstring_view(kind) == L"Edit" ? COLOR_WINDOW : COLOR_BTNFACE;
  SetBkColor(dc, GetSysColor(background));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

void LookFrame::OnCommand(int id, int code) {
  if (id == IDCANCEL) return OnSystemClose();
  if (id == IDOK) {
    const HWND focus = GetFocus();
    for (const ThreeDButton& button : buttons_) {
      if (button.Hwnd() == focus) return OnButton(GetDlgCtrlID(focus));
    }
    return OnDefaultAction();
  }
  if (list_ && id == GetDlgCtrlID(list_->Hwnd()) && code == LBN_SELCHANGE) OnListClick();
  if (code != BN_CLICKED) return;
  for (const ThreeDButton& button : buttons_) {
    if (GetDlgCtrlID(button.Hwnd()) == id) OnButton(id);
  }
}

LRESULT LookFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      for (const ThreeDButton& button : buttons_) {
        if (button.Hwnd() == item.hwndItem) button.Draw(item);
      }
      return TRUE;
    }
    case WM_CTLCOLORLISTBOX:
      // The list may ask for colours before its wrapper exists.
      if (!list_) return Default(message, wParam, lParam);
      return list_->OnCtlColor(reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORSTATIC:
      return OnControlColour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    case WM_CLOSE:
      OnSystemClose();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace sonorix
