// Ownership wrappers for handles and GDI objects, and the glue that ties a
// C++ object to the window it belongs to.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace sonorix::aolsim {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;

struct MemoryDcDeleter {
  void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
using UniqueMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

struct HandleCloser {
  void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// File functions report failure as INVALID_HANDLE_VALUE, not null.
inline UniqueHandle AdoptFileHandle(HANDLE handle) {
  return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// Keeps an object selected into a DC for the scope, then puts back the old one.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~ScopedSelect() { SelectObject(dc_, old_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { BeginPaint(window_, &paint_); }
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  HDC Dc() const { return paint_.hdc; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
};

// Runs a message handler and turns any exception into `fallback`: an
// exception must never unwind through the system's code that called us.
template <typename Handler>
LRESULT Guarded(LRESULT fallback, Handler&& handler) noexcept {
  try {
    return handler();
  } catch (...) {
    return fallback;
  }
}

// A window owns its state object from WM_NCCREATE until WM_NCDESTROY.
template <typename State>
State* StateOf(HWND window) {
  return reinterpret_cast<State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

template <typename State>
void AttachState(HWND window, std::unique_ptr<State> state) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
}

template <typename State>
std::unique_ptr<State> DetachState(HWND window) {
  std::unique_ptr<State> state(StateOf<State>(window));
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  return state;
}

// The creation parameter that CreateWindowExA carried to WM_NCCREATE.
template <typename Parameter>
Parameter* CreationParameter(LPARAM lParam) {
  return static_cast<Parameter*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
}

// The window's own text, read in this process.
std::string WindowText(HWND window);

// Registers a class of this program with the usual defaults.
bool RegisterClassNamed(HINSTANCE instance, const char* name, WNDPROC procedure,
                        int windowExtraBytes = 0, HBRUSH background = nullptr);

HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style, int id,
                 void* parameter = nullptr);

}  // namespace sonorix::aolsim
