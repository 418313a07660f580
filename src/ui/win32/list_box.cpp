#include "ui/win32/list_box.h"

#include "core/win32/code_page.h"

namespace sonorix {

ListBox::ListBox(HWND parent, int id, const TwipsBox& box, DWORD extraStyle) {
  Create(parent, L"LISTBOX", L"",
         WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | extraStyle, WS_EX_CLIENTEDGE,
         id, box);
}

void ListBox::SetTextColour(COLORREF colour) {
  textColour_ = colour;
  InvalidateRect(Hwnd(), nullptr, TRUE);
}

void ListBox::OnCommand(int code) {
  if (code == LBN_SELCHANGE && onSelect) onSelect();
  if (code == LBN_DBLCLK && onActivate) onActivate();
}

void ListBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (onDrawRow) onDrawRow(item);
}

HBRUSH ListBox::OnControlColour(HDC dc) {
  SetTextColor(dc, textColour_);
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

LRESULT ListBox::OnCharToItem(wchar_t letter) { return onCharToItem ? onCharToItem(letter) : -1; }

void ListBox::Add(std::string_view text) {
  SendMessageW(Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(text).c_str()));
}

int ListBox::Count() const { return static_cast<int>(SendMessageW(Hwnd(), LB_GETCOUNT, 0, 0)); }

std::string ListBox::Text(int index) const {
  const auto length = SendMessageW(Hwnd(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(Hwnd(), LB_GETTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.data()));
  return WideToUtf8(text.c_str());
}

std::vector<std::string> ListBox::Texts() const {
  std::vector<std::string> texts;
  const int count = Count();
  texts.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) texts.push_back(Text(i));
  return texts;
}

}  // namespace sonorix
