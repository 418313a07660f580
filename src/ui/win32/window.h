// The base of every window of the program: one procedure that finds the
// C++ object behind the handle and hands each message to it.
#pragma once

#include <windows.h>

#include "ui/win32/dpi_scaling.h"
#include "ui/win32/twips.h"

namespace sonorix {

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Hwnd() const { return hwnd_; }

 protected:
  // Registers the class on first use and creates the window bound to this;
  // false when the system made no window.
  [[nodiscard]] bool CreateWindowOfClass(const wchar_t* className, DWORD exStyle, DWORD style,
                                         const RECT& rect, HWND parent, const wchar_t* text = L"");
  // The same for a window that is a child control of parent (CreateChild).
  [[nodiscard]] bool CreateChildOfClass(const wchar_t* className, DWORD style, HWND parent,
                                        const TwipsBox& box, const wchar_t* text = L"");
  // Handles one message; anything unhandled goes to Default, which hands
  // the controls' notifications to their wrappers and the rest to
  // DefWindowProc.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
  // Answers WM_PAINT through PaintContent, which a test can also call
  // with a memory DC.
  LRESULT PaintClient();
  virtual void PaintContent(HDC dc, const RECT& rect) const;
  // The control that last had the focus, or the first tab stop.
  void RestoreFocus();

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static void RegisterClassOnce(const wchar_t* className);

  HWND hwnd_ = nullptr;
  HWND lastFocus_ = nullptr;
  DpiScaling dpiScaling_;
};

}  // namespace sonorix
