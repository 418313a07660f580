// Keeping a window above all windows that are not top-most themselves.
#pragma once

#include <windows.h>

namespace sonorix {

// Neither moves nor resizes the window; a failure changes nothing visible.
inline void StayOnTop(HWND window) {
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace sonorix
