#include "ui/win32/twips.h"

namespace sonorix {

namespace {

constexpr int kTwipsPerInch = 1440;

int ScreenDpi(int axis) {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, axis);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

int TwipsToPixelsX(int twips) { return MulDiv(twips, ScreenDpi(LOGPIXELSX), kTwipsPerInch); }
int TwipsToPixelsY(int twips) { return MulDiv(twips, ScreenDpi(LOGPIXELSY), kTwipsPerInch); }
int PixelsToTwipsX(int pixels) { return MulDiv(pixels, kTwipsPerInch, ScreenDpi(LOGPIXELSX)); }
int PixelsToTwipsY(int pixels) { return MulDiv(pixels, kTwipsPerInch, ScreenDpi(LOGPIXELSY)); }

RECT TwipsRect(int left, int top, int width, int height) {
  const int x = TwipsToPixelsX(left);
  const int y = TwipsToPixelsY(top);
  return RECT{x, y, x + TwipsToPixelsX(width), y + TwipsToPixelsY(height)};
}

}  // namespace sonorix
