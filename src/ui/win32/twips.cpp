#include "ui/win32/twips.h"

namespace sonorix {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultDpi = 96;

}  // namespace

// Windows before 10 (1607) lack the DPI calls; there the screen's DPI is
// the system's.
int SystemDpi() {
  using GetDpiForSystemFn = UINT(WINAPI*)();
  static const auto getDpiForSystem = reinterpret_cast<GetDpiForSystemFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForSystem")));
  if (getDpiForSystem != nullptr) {
    const auto dpi = static_cast<int>(getDpiForSystem());
    if (dpi > 0) return dpi;
  }
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDefaultDpi;
}

int WindowDpi(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow != nullptr && window != nullptr) {
    const auto dpi = static_cast<int>(getDpiForWindow(window));
    if (dpi > 0) return dpi;
  }
  return SystemDpi();
}

int TwipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, kTwipsPerInch); }

RECT PixelRect(const TwipsBox& box, int dpi) {
  const int x = TwipsToPixels(box.left, dpi);
  const int y = TwipsToPixels(box.top, dpi);
  return RECT{x, y, x + TwipsToPixels(box.width, dpi), y + TwipsToPixels(box.height, dpi)};
}

int TwipsToPixelsX(int twips) { return TwipsToPixels(twips, SystemDpi()); }
int TwipsToPixelsY(int twips) { return TwipsToPixels(twips, SystemDpi()); }
int PixelsToTwipsX(int pixels) { return MulDiv(pixels, kTwipsPerInch, SystemDpi()); }
int PixelsToTwipsY(int pixels) { return MulDiv(pixels, kTwipsPerInch, SystemDpi()); }

RECT TwipsRect(int left, int top, int width, int height) {
  return PixelRect(TwipsBox{left, top, width, height}, SystemDpi());
}

}  // namespace sonorix
