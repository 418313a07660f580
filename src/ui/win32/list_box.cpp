#include "ui/win32/list_box.h"

#include "core/win32/code_page.h"

namespace sonorix {

ListBox::ListBox(HWND parent, int id, const RECT& rect, DWORD extraStyle)
    : hwnd_(CreateWindowExW(
          WS_EX_CLIENTEDGE, L"LISTBOX", L"",
          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | extraStyle,
          rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr)) {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
}

void ListBox::SetTextColour(COLORREF colour) {
  textColour_ = colour;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT ListBox::OnCtlColor(HDC dc) const {
  SetTextColor(dc, textColour_);
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

void ListBox::Add(std::string_view text) {
  SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(text).c_str()));
}

int ListBox::Count() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)); }

std::string ListBox::Text(int index) const {
  const auto length = SendMessageW(hwnd_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(hwnd_, LB_GETTEXT, static_cast<WPARAM>(index),
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
