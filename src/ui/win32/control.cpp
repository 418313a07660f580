#include "ui/win32/control.h"

#include "ui/win32/window.h"

namespace sonorix {

namespace {

constexpr wchar_t kWrapperProperty[] = L"Sonorix control";

HWND ChildOf(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CHARTOITEM:
      return reinterpret_cast<HWND>(lParam);
    case WM_DRAWITEM: {
      // A menu's item names its menu, no window.
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      return item.CtlType == ODT_MENU ? nullptr : item.hwndItem;
    }
    default:
      static_cast<void>(wParam);
      return nullptr;
  }
}

}  // namespace

HWND CreateChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
                 DWORD exStyle, int id, const TwipsBox& box, void* createParam) {
  const RECT rect = PixelRect(box, WindowDpi(parent));
  const HWND child = CreateWindowExW(exStyle, className, text, WS_CHILD | style, rect.left,
                                     rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                     parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     GetModuleHandleW(nullptr), createParam);
  // Our windows answer WM_GETFONT with the font their controls share.
  auto font = static_cast<WPARAM>(SendMessageW(parent, WM_GETFONT, 0, 0));
  if (font == 0) font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  if (child == nullptr) return nullptr;
  SendMessageW(child, WM_SETFONT, font, FALSE);
  if (Window* window = Window::FromHandle(parent)) window->Adopt(child, box);
  return child;
}

Control::~Control() {
  if (hwnd_ != nullptr) RemovePropW(hwnd_, kWrapperProperty);
}

Control* Control::FromHandle(HWND control) {
  return control == nullptr ? nullptr : static_cast<Control*>(GetPropW(control, kWrapperProperty));
}

void Control::Create(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
                     DWORD exStyle, int id, const TwipsBox& box) {
  Bind(CreateChild(parent, className, text, style, exStyle, id, box));
}

void Control::Bind(HWND control) {
  hwnd_ = control;
  if (hwnd_ != nullptr) SetPropW(hwnd_, kWrapperProperty, this);
}

// Only a child of the parent: a message naming another window's control
// is not this window's to hand on.
bool ReflectToControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const HWND child = ChildOf(message, wParam, lParam);
  if (child == nullptr || GetParent(child) != parent) return false;
  Control* const control = Control::FromHandle(child);
  if (control == nullptr) return false;
  switch (message) {
    case WM_COMMAND:
      control->OnCommand(HIWORD(wParam));
      result = 0;
      return true;
    case WM_DRAWITEM:
      control->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      result = TRUE;
      return true;
    case WM_CHARTOITEM:
      result = control->OnCharToItem(static_cast<wchar_t>(LOWORD(wParam)));
      return true;
    default: {
      const HBRUSH brush = control->OnControlColour(reinterpret_cast<HDC>(wParam));
      result = reinterpret_cast<LRESULT>(brush);
      return brush != nullptr;
    }
  }
}

}  // namespace sonorix
