// Controls grown to their text: each control placed from its box in twips at
// a DPI, made at least as large as its text needs in its own font, and the
// controls after it in its row or column moved along.
#pragma once

#include <windows.h>

#include <span>

#include "ui/win32/twips.h"

namespace sonorix {

struct Placement {
  HWND control;
  TwipsBox box;
};

// Places the controls of a client area drawn clientTwips large; returns
// how many pixels wider and taller the client area must become. Controls
// that reach the area's right or bottom edge stretch with it. A row of
// buttons side by side first shares out its own width.
SIZE FitToText(std::span<const Placement> controls, int dpi, SIZE clientTwips);

}  // namespace sonorix
