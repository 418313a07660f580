#include "ui/win32/text_control.h"

#include <string_view>

#include "core/win32/code_page.h"

namespace sonorix {

TextControl::TextControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
                         DWORD exStyle, int id, const TwipsBox& box)
    : isEdit_(CompareStringOrdinal(className, -1, L"EDIT", -1, TRUE) == CSTR_EQUAL) {
  Create(parent, className, text, WS_VISIBLE | style, exStyle, id, box);
}

void TextControl::SetTextColour(std::optional<COLORREF> colour) {
  textColour_ = colour;
  InvalidateRect(Hwnd(), nullptr, TRUE);
}

COLORREF TextControl::TextColour() const {
  return textColour_.value_or(GetSysColor(COLOR_WINDOWTEXT));
}

std::string TextControl::Text() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(Hwnd())) + 1, L'\0');
  GetWindowTextW(Hwnd(), text.data(), static_cast<int>(text.size()));
  return WideToUtf8(text.c_str());
}

void TextControl::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (onDraw) onDraw(item);
}

// A read-only box asks as a label does (WM_CTLCOLORSTATIC), but keeps the
// background of a box.
HBRUSH TextControl::OnControlColour(HDC dc) {
  SetTextColor(dc, TextColour());
  const int background = isEdit_ ? COLOR_WINDOW : COLOR_BTNFACE;
  SetBkColor(dc, GetSysColor(background));
  return GetSysColorBrush(background);
}

}  // namespace sonorix
