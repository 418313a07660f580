// A memory bitmap for the tests that paint a window's content and read
// its pixels back.
#pragma once

#include <windows.h>

#include "ui/win32/gdi.h"

namespace sonorix::testing {

// A 32-bit memory bitmap to paint into, so colours read back exactly.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    old_ = SelectObject(dc_.get(), bitmap_.get());
    const RECT all{0, 0, width, height};
    FillSolid(dc_.get(), all, RGB(128, 128, 128));
  }
  ~Canvas() { SelectObject(dc_.get(), old_); }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_.get(); }
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_.get(), x, y); }
  int Count(COLORREF colour) const {
    int count = 0;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) count += Pixel(x, y) == colour ? 1 : 0;
    }
    return count;
  }

 private:
  int width_, height_;
  MemoryDc dc_;
  Bitmap bitmap_;
  HGDIOBJ old_ = nullptr;
};

}  // namespace sonorix::testing
