#include "ui/win32/title_strip.h"

#include <vector>

#include "ui/title_fade.h"
#include "ui/win32/drag_window.h"
#include "ui/win32/gdi.h"

namespace sonorix {

namespace {

constexpr int kLabelInset = 60;  // twips

int Width(const RECT& rect) { return rect.right - rect.left; }

}  // namespace

// A strip the system could not make has no Hwnd(); its window checks that.
TitleStrip::TitleStrip(HWND parent, const TwipsBox& box, const std::wstring& caption) {
  // Its text is its name for screen readers; the label shows it.
  if (!CreateChildOfClass(L"Sonorix Title Strip", WS_VISIBLE | WS_CLIPCHILDREN, parent, box,
                          caption.c_str())) {
    return;
  }
  // A static without SS_NOTIFY lets presses through to the strip, so the
  // label drags the window as well.
  label_ = std::make_unique<TextControl>(
      Hwnd(), L"STATIC", caption.c_str(), SS_OWNERDRAW, 0, 0,
      TwipsBox{kLabelInset, 0, box.width - 2 * kLabelInset, box.height});
  label_->onDraw = [this](const DRAWITEMSTRUCT& item) { DrawLabel(item); };
}

void TitleStrip::SetColours(Colour fade1, Colour fade2, Colour labelColour) {
  fade1_ = fade1;
  fade2_ = fade2;
  labelColour_ = labelColour;
  InvalidateRect(Hwnd(), nullptr, TRUE);
  InvalidateRect(Label(), nullptr, TRUE);
}

void TitleStrip::PaintGradient(HDC dc, const RECT& rect, int firstColumn) const {
  RECT client{};
  GetClientRect(Hwnd(), &client);
  const std::vector<Colour> columns = FadeColumns(fade1_, fade2_, Width(client));
  for (int x = rect.left; x < rect.right; ++x) {
    const auto column = static_cast<std::size_t>(x + firstColumn);
    if (column >= columns.size()) break;
    const RECT line{x, rect.top, x + 1, rect.bottom};
    FillSolid(dc, line, ToColorRef(columns[column].bgr));
  }
}

void TitleStrip::PaintContent(HDC dc, const RECT& rect) const { PaintGradient(dc, rect, 0); }

void TitleStrip::DrawLabel(const DRAWITEMSTRUCT& item) const {
  RECT rect = item.rcItem;
  // The label's part of the strip's gradient, wherever the label sits.
  POINT place{};
  MapWindowPoints(Label(), Hwnd(), &place, 1);
  PaintGradient(item.hDC, rect, place.x);
  std::vector<wchar_t> caption(static_cast<std::size_t>(GetWindowTextLengthW(Label())) + 1);
  GetWindowTextW(Label(), caption.data(), static_cast<int>(caption.size()));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, ToColorRef(labelColour_.bgr));
  const Selection font(item.hDC,
                       reinterpret_cast<HGDIOBJ>(SendMessageW(Label(), WM_GETFONT, 0, 0)));
  DrawTextW(item.hDC, caption.data(), -1, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

LRESULT TitleStrip::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return PaintClient();
    case WM_ERASEBKGND:
      return 1;
    // The label fills the strip, inset a little, whatever its size.
    case WM_SIZE:
      if (label_) {
        const int inset = TwipsToPixels(kLabelInset, Dpi());
        SetWindowPos(Label(), nullptr, inset, 0, LOWORD(lParam) - 2 * inset, HIWORD(lParam),
                     SWP_NOZORDER | SWP_NOACTIVATE);
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      DragWindow(GetAncestor(Hwnd(), GA_ROOT));
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace sonorix
