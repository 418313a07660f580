// The program's 3-D push button: a standard BUTTON, owner-drawn so that its
// caption takes the preset's text colour.
#pragma once

#include <windows.h>

#include <string>

namespace sonorix {

class ThreeDButton {
 public:
  // The button is a child of parent, which owns and destroys it.
  ThreeDButton(HWND parent, int id, const std::wstring& caption, const RECT& rect);

  HWND Hwnd() const { return hwnd_; }
  void SetTextColour(COLORREF colour);
  // Paints the button for the parent's WM_DRAWITEM.
  void Draw(const DRAWITEMSTRUCT& item) const;

 private:
  HWND hwnd_;
  COLORREF textColour_ = RGB(0, 0, 0);
};

}  // namespace sonorix
