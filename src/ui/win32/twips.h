// Window sizes are given in twips (1/1440 inch); the screen counts pixels.
#pragma once

#include <windows.h>

namespace sonorix {

// A place and size in twips, as forms are drawn.
struct TwipsBox {
  int left;
  int top;
  int width;
  int height;
};

// The DPI windows start at, before any monitor has moved them.
int SystemDpi();
// The window's own DPI (per monitor), or the system's where the system
// cannot tell.
int WindowDpi(HWND window);
int TwipsToPixels(int twips, int dpi);
// The box at the DPI, as a rectangle (left, top, right, bottom).
RECT PixelRect(const TwipsBox& box, int dpi);

// At the system DPI.
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);
// A rectangle given in twips, in pixels.
RECT TwipsRect(int left, int top, int width, int height);

}  // namespace sonorix
