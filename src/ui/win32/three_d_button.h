// The program's 3-D push button: a standard BUTTON, owner-drawn so that its
// caption takes the preset's text colour.
#pragma once

#include <functional>
#include <string>

#include "ui/win32/control.h"

namespace sonorix {

class ThreeDButton final : public Control {
 public:
  ThreeDButton(HWND parent, int id, const std::wstring& caption, const TwipsBox& box);

  void SetTextColour(COLORREF colour);
  // Paints the button into the item's DC.
  void Draw(const DRAWITEMSTRUCT& item) const;

  std::function<void()> onClick;

 private:
  void OnCommand(int code) override;
  void OnDrawItem(const DRAWITEMSTRUCT& item) override { Draw(item); }

  COLORREF textColour_ = RGB(0, 0, 0);
};

}  // namespace sonorix
