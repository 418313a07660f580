// A window moved to a monitor of another scale: the program declares itself
// aware of each monitor's DPI, so the system scales nothing and leaves it to
// the window (WM_DPICHANGED).
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "ui/win32/gdi.h"
#include "ui/win32/text_fit.h"

namespace sonorix {

class DpiScaling {
 public:
  // The window takes the rectangle the system suggests, and every control
  // in it scales its place, size, font and list rows from the DPI it was
  // laid out for to the new one.
  // Controls the window lays out itself, and what is inside them, are left
  // as they are.
  void OnDpiChanged(HWND window, int newDpi, const RECT& suggested,
                    std::span<const Placement> laidOut);

 private:
  // Windows are laid out in twips at the system's DPI.
  int dpi_ = 0;
  // The fonts made for the current DPI; the controls hold the handles.
  std::vector<Font> fonts_;
};

}  // namespace sonorix
