// A standard list box whose text takes the preset's list colour.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/win32/control.h"

namespace sonorix {

class ListBox final : public Control {
 public:
  ListBox(HWND parent, int id, const TwipsBox& box, DWORD extraStyle = 0);

  void SetTextColour(COLORREF colour);
  COLORREF TextColour() const { return textColour_; }

  void Add(std::string_view text);
  int Count() const;
  std::string Text(int index) const;
  std::vector<std::string> Texts() const;

  // The selection changed (LBS_NOTIFY).
  std::function<void()> onSelect;
  // A row was double-clicked (LBS_NOTIFY).
  std::function<void()> onActivate;
  // Rows of an owner-drawn list.
  std::function<void(const DRAWITEMSTRUCT&)> onDrawRow;
  // Where a typed letter leads, for a list that holds no strings.
  std::function<LRESULT(wchar_t)> onCharToItem;

 private:
  void OnCommand(int code) override;
  void OnDrawItem(const DRAWITEMSTRUCT& item) override;
  // A standard list box asks its parent for colours on every paint.
  HBRUSH OnControlColour(HDC dc) override;
  LRESULT OnCharToItem(wchar_t letter) override;

  COLORREF textColour_ = RGB(0, 0, 0);
};

}  // namespace sonorix
