// The control kit: every child control is made through CreateChild, and a
// control with a wrapper handles its own notifications, which its parent
// window reflects to it.
#pragma once

#include <windows.h>

#include "ui/win32/twips.h"

namespace sonorix {

// A child of parent, placed at the parent's DPI and given the
// parent's font; createParam reaches WM_NCCREATE. Null when the system
// made no control.
HWND CreateChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
                 DWORD exStyle, int id, const TwipsBox& box, void* createParam = nullptr);

// The wrapper of one child control. Children are owned by their parent
// window: the wrapper only refers to its control.
class Control {
 public:
  Control() = default;
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND Hwnd() const { return hwnd_; }
  // The wrapper bound to a control, or null.
  static Control* FromHandle(HWND control);

 protected:
  // Makes the control and binds it to this wrapper.
  void Create(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
              DWORD exStyle, int id, const TwipsBox& box);
  // Binds a control made elsewhere.
  void Bind(HWND control);

  // The notifications a parent reflects; each answers as the parent would.
  virtual void OnCommand(int /*code*/) {}
  virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // A brush for the background, or null for the system's colours.
  virtual HBRUSH OnControlColour(HDC /*dc*/) { return nullptr; }
  // WM_CHARTOITEM's answer: the row to go to, -1 for the list's own way.
  virtual LRESULT OnCharToItem(wchar_t /*letter*/) { return -1; }

 private:
  friend bool ReflectToControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT& result);
  HWND hwnd_ = nullptr;
};

// Hands a child's WM_COMMAND, WM_DRAWITEM, WM_CTLCOLOR* or WM_CHARTOITEM to
// its wrapper; false when the message is none of those or the child has no
// wrapper.
bool ReflectToControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace sonorix
