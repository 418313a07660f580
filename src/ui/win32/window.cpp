#include "ui/win32/window.h"

#include "core/trace.h"
#include "core/win32/code_page.h"
#include "ui/win32/control.h"
#include "ui/win32/gdi.h"
#include "ui/win32/message_font.h"
#include "ui/win32/program_icon.h"

namespace sonorix {

Window::~Window() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void Window::RegisterClassOnce(const wchar_t* className) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  if (!GetClassInfoExW(instance, className, &windowClass)) {
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.hIcon = ProgramIcon();
    windowClass.hIconSm = ProgramSmallIcon();
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
  }
}

bool Window::CreateWindowOfClass(const wchar_t* className, DWORD exStyle, DWORD style,
                                 const RECT& rect, HWND parent, const wchar_t* text) {
  RegisterClassOnce(className);
  CreateWindowExW(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent, nullptr, GetModuleHandleW(nullptr), this);
  if (hwnd_ == nullptr) Trace("window could not be made: " + WideToUtf8(className));
  return hwnd_ != nullptr;
}

bool Window::CreateChildOfClass(const wchar_t* className, DWORD style, HWND parent,
                                const TwipsBox& box, const wchar_t* text) {
  RegisterClassOnce(className);
  CreateChild(parent, className, text, style, 0, 0, box, this);
  if (hwnd_ == nullptr) Trace("window could not be made: " + WideToUtf8(className));
  return hwnd_ != nullptr;
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT Window::PaintClient() {
  const PaintDc paint(hwnd_);
  RECT client{};
  GetClientRect(hwnd_, &client);
  PaintContent(paint.Get(), client);
  return 0;
}

void Window::PaintContent(HDC, const RECT&) const {}

// As a dialog box does: the control that had the keyboard focus gets it
// back when the window is active again (after a message box, say), and a
// window opening puts it on its first field or list.
LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT reflected = 0; ReflectToControl(hwnd_, message, wParam, lParam, reflected)) {
    return reflected;
  }
  // The font CreateChild gives the controls made in this window.
  if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(ControlFont());
  if (message == WM_ACTIVATE) {
    if (LOWORD(wParam) == WA_INACTIVE) {
      const HWND focus = GetFocus();
      if (focus != nullptr && IsChild(hwnd_, focus)) lastFocus_ = focus;
      return 0;
    }
    if (IsIconic(hwnd_)) return 0;
    RestoreFocus();
    return 0;
  }
  // Moved to a monitor of another scale.
  if (message == WM_DPICHANGED) {
    OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

Window* Window::FromHandle(HWND hwnd) {
  if (hwnd == nullptr ||
      GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(Procedure)) {
    return nullptr;
  }
  return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void Window::Adopt(HWND control, const TwipsBox& box) {
  placements_.push_back(Placement{control, box});
}

int Window::Dpi() {
  if (dpi_ == 0) dpi_ = WindowDpi(hwnd_);
  return dpi_;
}

HFONT Window::ControlFont() {
  if (!font_) font_ = MessageFont(Dpi());
  return font_ ? font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void Window::ApplyDpi(int dpi) {
  if (dpi <= 0 || dpi == Dpi()) return;
  dpi_ = dpi;
  Font old = std::move(font_);
  const auto font = reinterpret_cast<WPARAM>(ControlFont());
  for (const Placement& placed : placements_) {
    SendMessageW(placed.control, WM_SETFONT, font, FALSE);
    if (Window* inner = FromHandle(placed.control)) inner->ApplyDpi(dpi);
  }
  OnFontChanged();
}

void Window::LayOut(int widthTwips, int heightTwips) {
  design_ = SIZE{widthTwips, heightTwips};
  const SIZE grow = FitToText(placements_, Dpi(), design_);
  SetWindowPos(hwnd_, nullptr, 0, 0, TwipsToPixels(widthTwips, Dpi()) + grow.cx,
               TwipsToPixels(heightTwips, Dpi()) + grow.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Controls we made are laid out again from their twips in the new DPI's
// font; any other control scales with the window.
void Window::OnDpiChanged(int dpi, const RECT& suggested) {
  dpiScaling_.OnDpiChanged(hwnd_, dpi, suggested, placements_);
  ApplyDpi(dpi);
  if (design_.cx > 0) {
    LayOut(design_.cx, design_.cy);
  } else {
    for (const Placement& placed : placements_) {
      const RECT rect = PixelRect(placed.box, Dpi());
      SetWindowPos(placed.control, nullptr, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
}

void Window::RestoreFocus() {
  HWND focus = lastFocus_;
  if (focus == nullptr || !IsChild(hwnd_, focus) || !IsWindowVisible(focus) ||
      !IsWindowEnabled(focus)) {
    focus = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  }
  SetFocus(focus != nullptr ? focus : hwnd_);
}

// No exception may cross into the system's code: a failing handler is
// answered as if the message had gone unhandled.
LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    window->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  try {
    return window->OnMessage(message, wParam, lParam);
  } catch (...) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace sonorix
