// A standard list box whose text takes the preset's list colour.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace sonorix {

class ListBox {
 public:
  // The list is a child of parent, which owns and destroys it.
  ListBox(HWND parent, int id, const RECT& rect, DWORD extraStyle = 0);

  HWND Hwnd() const { return hwnd_; }
  void SetTextColour(COLORREF colour);
  COLORREF TextColour() const { return textColour_; }
  // The parent's answer to WM_CTLCOLORLISTBOX for this list: a standard list
  // box asks its parent for colours on every paint.
  LRESULT OnCtlColor(HDC dc) const;

  void Add(std::string_view text);
  int Count() const;
  std::string Text(int index) const;
  std::vector<std::string> Texts() const;

 private:
  HWND hwnd_;
  COLORREF textColour_ = RGB(0, 0, 0);
};

}  // namespace sonorix
