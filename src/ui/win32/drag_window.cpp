#include "ui/win32/drag_window.h"

#include "core/win32/message_pump.h"
#include "ui/snap_to_edges.h"
#include "ui/win32/twips.h"
#include "ui/win32/work_area.h"

namespace sonorix {

namespace {

TwipsPlace PlaceInTwips(const RECT& rect) {
  return {PixelsToTwipsX(rect.left), PixelsToTwipsY(rect.top),
          PixelsToTwipsX(rect.right - rect.left), PixelsToTwipsY(rect.bottom - rect.top)};
}

// The monitor the window is dropped on, less its taskbar: a window on a
// second monitor stays there, and none slides under the taskbar.
TwipsPlace WorkAreaInTwips(HWND window) { return PlaceInTwips(WorkAreaOf(window)); }

// At a resolution where a step is less than a pixel, rounding could leave
// the window where it is and the slide would never arrive: such a step
// moves one pixel.
int PixelTowards(int fromPixels, int fromTwips, int toTwips, int toPixels) {
  if (toPixels != fromPixels || toTwips == fromTwips) return toPixels;
  return fromPixels + (toTwips > fromTwips ? 1 : -1);
}

void MoveInTwips(HWND window, const RECT& from, const TwipsPoint& to) {
  const TwipsPlace here = PlaceInTwips(from);
  const int x = PixelTowards(from.left, here.left, to.left, TwipsToPixelsX(to.left));
  const int y = PixelTowards(from.top, here.top, to.top, TwipsToPixelsY(to.top));
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void DragWindow(HWND window) {
  SetCursor(LoadCursorA(nullptr, IDC_SIZEALL));
  ReleaseCapture();
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  SnapToEdges(window);
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

void SnapToEdges(HWND window) {
  EdgeSnap snap;
  RECT rect{};
  // Handlers run between steps may close the window.
  while (IsWindow(window) && GetWindowRect(window, &rect)) {
    const auto next = snap.Next(PlaceInTwips(rect), WorkAreaInTwips(window));
    if (!next) return;
    MoveInTwips(window, rect, *next);
    if (!PumpPendingMessages()) return;
  }
}

}  // namespace sonorix
