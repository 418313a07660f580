#include "ui/win32/three_d_button.h"

#include <vector>

namespace sonorix {

ThreeDButton::ThreeDButton(HWND parent, int id, const std::wstring& caption, const RECT& rect)
    : hwnd_(CreateWindowExW(
          0, L"BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
          rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr)) {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
}

void ThreeDButton::SetTextColour(COLORREF colour) {
  textColour_ = colour;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void ThreeDButton::Draw(const DRAWITEMSTRUCT& item) const {
  RECT face = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  std::vector<wchar_t> caption(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1);
  GetWindowTextW(hwnd_, caption.data(), static_cast<int>(caption.size()));
  if (pressed) OffsetRect(&face, 1, 1);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, textColour_);
  DrawTextW(item.hDC, caption.data(), -1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  // Windows hides focus rectangles after a mouse click until a key is used.
  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
    InflateRect(&face, -3, -3);
    DrawFocusRect(item.hDC, &face);
  }
}

}  // namespace sonorix
