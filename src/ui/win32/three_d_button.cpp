#include "ui/win32/three_d_button.h"

#include <vector>

namespace sonorix {

ThreeDButton::ThreeDButton(HWND parent, int id, const std::wstring& caption, const TwipsBox& box) {
  Create(parent, L"BUTTON", caption.c_str(), WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0, id, box);
}

void ThreeDButton::SetTextColour(COLORREF colour) {
  textColour_ = colour;
  InvalidateRect(Hwnd(), nullptr, TRUE);
}

void ThreeDButton::OnCommand(int code) {
  if (code == BN_CLICKED && onClick) onClick();
}

void ThreeDButton::Draw(const DRAWITEMSTRUCT& item) const {
  RECT face = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  std::vector<wchar_t> caption(static_cast<std::size_t>(GetWindowTextLengthW(Hwnd())) + 1);
  GetWindowTextW(Hwnd(), caption.data(), static_cast<int>(caption.size()));
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
