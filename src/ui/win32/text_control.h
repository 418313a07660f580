// A label (STATIC) or text box (EDIT) whose text can take a colour of its
// own, and a label that its owner paints.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/win32/control.h"

namespace sonorix {

class TextControl final : public Control {
 public:
  TextControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
              DWORD exStyle, int id, const TwipsBox& box);

  // Nothing: the system's text colour.
  void SetTextColour(std::optional<COLORREF> colour);
  COLORREF TextColour() const;
  std::string Text() const;

  // Paints an owner-drawn label (SS_OWNERDRAW).
  std::function<void(const DRAWITEMSTRUCT&)> onDraw;

 private:
  void OnDrawItem(const DRAWITEMSTRUCT& item) override;
  HBRUSH OnControlColour(HDC dc) override;

  bool isEdit_;
  std::optional<COLORREF> textColour_;
};

}  // namespace sonorix
