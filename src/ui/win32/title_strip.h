// The title strip every window of the program has instead of a title bar:
// a picture area painted with the preset's gradient, a label on it, and a
// drag handle for the whole window.
#pragma once

#include <memory>
#include <string>

#include "core/colour.h"
#include "ui/win32/text_control.h"
#include "ui/win32/window.h"

namespace sonorix {

class TitleStrip final : public Window {
 public:
  // The label is inset a little.
  TitleStrip(HWND parent, const TwipsBox& box, const std::wstring& caption);

  HWND Label() const { return label_ ? label_->Hwnd() : nullptr; }
  void SetColours(Colour fade1, Colour fade2, Colour labelColour);
  // Paints the strip and its label into any DC (a test's memory DC too).
  void PaintContent(HDC dc, const RECT& rect) const override;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void PaintGradient(HDC dc, const RECT& rect, int firstColumn) const;
  void DrawLabel(const DRAWITEMSTRUCT& item) const;

  std::unique_ptr<TextControl> label_;
  Colour fade1_{0x000000};
  Colour fade2_{0xFFFFFF};
  Colour labelColour_{0xFFFFFF};
};

}  // namespace sonorix
