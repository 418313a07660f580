// The base of every window of the program: one procedure that finds the
// C++ object behind the handle and hands each message to it.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/win32/dpi_scaling.h"
#include "ui/win32/gdi.h"
#include "ui/win32/text_fit.h"
#include "ui/win32/twips.h"

namespace sonorix {

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Hwnd() const { return hwnd_; }
  // Our window behind the handle, or null.
  static Window* FromHandle(HWND hwnd);
  // CreateChild reports each control it made in one of our windows, to be
  // laid out again when the window changes DPI.
  void Adopt(HWND control, const TwipsBox& box);
  // The font its controls take: the system's message font at its DPI.
  HFONT ControlFont();
  int Dpi();
  // Takes the DPI's font into every control made here (and into our
  // windows among them).
  void ApplyDpi(int dpi);

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
  // Sizes the window as drawn (in twips, frame included) at its DPI, with
  // every control at least as large as its text and the window grown to
  // hold them; it keeps its place.
  void LayOut(int widthTwips, int heightTwips);
  // After the controls took the font of a new DPI: a window with a font of
  // its own makes it again here.
  virtual void OnFontChanged() {}

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static void RegisterClassOnce(const wchar_t* className);

  HWND hwnd_ = nullptr;
  void OnDpiChanged(int dpi, const RECT& suggested);

  HWND lastFocus_ = nullptr;
  DpiScaling dpiScaling_;
  std::vector<Placement> placements_;
  int dpi_ = 0;
  Font font_;
  SIZE design_{};  // twips; none until the window is laid out
};

}  // namespace sonorix
