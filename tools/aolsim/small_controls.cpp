#include "aolsim/small_controls.h"

#include "aolsim/window_classes.h"
#include "aolsim/window_support.h"

namespace sonorix::aolsim {

namespace {

constexpr int kPressedSlot = 0;  // window extra bytes of an icon: is the button held down

RECT ClientRect(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return rect;
}

void DrawWindowText(HWND window, HDC dc, RECT rect, UINT format, COLORREF colour) {
  const ScopedSelect font(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  const std::string text = WindowText(window);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_NOPREFIX);
}

// A label's text is its window text, so a new text must repaint it.
LRESULT HandleText(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
  InvalidateRect(window, nullptr, TRUE);
  return result;
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) return HandleText(window, message, wParam, lParam);
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  const PaintScope paint(window);
  DrawWindowText(window, paint.Dc(), ClientRect(window), DT_LEFT | DT_WORDBREAK,
                 GetSysColor(COLOR_BTNTEXT));
  return 0;
}

void PaintPicture(HWND window, COLORREF fill, bool round) {
  const PaintScope paint(window);
  const RECT rect = ClientRect(window);
  const UniqueBrush brush(CreateSolidBrush(fill));
  const ScopedSelect selectBrush(paint.Dc(), brush.get());
  const ScopedSelect selectPen(paint.Dc(), GetStockObject(NULL_PEN));
  if (round) {
    Ellipse(paint.Dc(), rect.left, rect.top, rect.right, rect.bottom);
  } else {
    RoundRect(paint.Dc(), rect.left, rect.top, rect.right, rect.bottom, 12, 12);
  }
  DrawWindowText(window, paint.Dc(), rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                 RGB(255, 255, 255));
}

LRESULT CALLBACK ImageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) return HandleText(window, message, wParam, lParam);
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PaintPicture(window, RGB(0x1F, 0x4E, 0xA8), false);
  return 0;
}

LRESULT CALLBACK GlyphProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) return HandleText(window, message, wParam, lParam);
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PaintPicture(window, RGB(0xF2, 0xA9, 0x00), true);
  return 0;
}

LRESULT CALLBACK ComboProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) return HandleText(window, message, wParam, lParam);
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  const PaintScope paint(window);
  RECT rect = ClientRect(window);
  FillRect(paint.Dc(), &rect, GetSysColorBrush(COLOR_WINDOW));
  DrawEdge(paint.Dc(), &rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  RECT arrow = rect;
  arrow.left = arrow.right - GetSystemMetrics(SM_CXVSCROLL);
  DrawFrameControl(paint.Dc(), &arrow, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
  rect.left += 4;
  rect.right = arrow.left;
  DrawWindowText(window, paint.Dc(), rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                 GetSysColor(COLOR_WINDOWTEXT));
  return 0;
}

void PaintIcon(HWND window) {
  const PaintScope paint(window);
  RECT rect = ClientRect(window);
  const bool pressed = GetWindowLongPtrA(window, kPressedSlot) != 0;
  DrawFrameControl(paint.Dc(), &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  if (pressed) OffsetRect(&rect, 1, 1);
  DrawWindowText(window, paint.Dc(), rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                 GetSysColor(COLOR_BTNTEXT));
}

void SetPressed(HWND window, bool pressed) {
  SetWindowLongPtrA(window, kPressedSlot, pressed ? 1 : 0);
  InvalidateRect(window, nullptr, FALSE);
}

// A click is a press and a release over the icon. Other programs send the
// two button messages without moving a mouse, and that clicks it too.
void ReleaseIcon(HWND window, LPARAM lParam) {
  if (GetWindowLongPtrA(window, kPressedSlot) == 0) return;
  SetPressed(window, false);
  if (GetCapture() == window) ReleaseCapture();
  const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  const RECT rect = ClientRect(window);
  if (!PtInRect(&rect, point)) return;
  const int id = GetDlgCtrlID(window);
  SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(window));
}

LRESULT CALLBACK IconProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      return HandleText(window, message, wParam, lParam);
    case WM_PAINT:
      PaintIcon(window);
      return 0;
    case WM_LBUTTONDOWN:
      SetPressed(window, true);
      SetCapture(window);
      return 0;
    case WM_LBUTTONUP:
      ReleaseIcon(window, lParam);
      return 0;
    case WM_KEYUP:
      // A pressed icon lets go on the space bar as a button does.
      if (wParam == VK_SPACE) ReleaseIcon(window, 0);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window) SetPressed(window, false);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

bool RegisterSmallControlClasses(HINSTANCE instance) {
  // Children paint over their own area: the room clips them out of its
  // background, so they erase with the room's colour.
  const auto face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  return RegisterClassNamed(instance, kLabelClass, LabelProc, 0, face) &&
         RegisterClassNamed(instance, kStaticTextClass, LabelProc, 0, face) &&
         RegisterClassNamed(instance, kImageClass, ImageProc, 0, face) &&
         RegisterClassNamed(instance, kGlyphClass, GlyphProc, 0, face) &&
         RegisterClassNamed(instance, kComboClass, ComboProc, 0, face) &&
         RegisterClassNamed(instance, kIconClass, IconProc, sizeof(LONG_PTR), face);
}

}  // namespace sonorix::aolsim
