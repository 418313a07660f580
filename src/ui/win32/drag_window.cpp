#include "ui/win32/drag_window.h"

namespace sonorix {

void DragWindow(HWND window) {
  SetCursor(LoadCursorA(nullptr, IDC_SIZEALL));
  ReleaseCapture();
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

}  // namespace sonorix
