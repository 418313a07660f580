#include "aolsim/input_box.h"

#include "aolsim/window_classes.h"

namespace sonorix::aolsim {

namespace {

constexpr WPARAM kEnter = 13;

// The system's edit procedure, which the superclass hands everything else.
// It is looked up once; the first lookup happens at registration.
WNDPROC EditProc() {
  static const WNDPROC procedure = [] {
    WNDCLASSEXA edit{};
    edit.cbSize = sizeof edit;
    return GetClassInfoExA(nullptr, "EDIT", &edit) ? edit.lpfnWndProc : nullptr;
  }();
  return procedure;
}

LRESULT CALLBACK InputBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR && wParam == kEnter) {
    // Handled here, not by the edit control, which would only beep.
    SendMessageA(GetParent(window), kSubmitInput, 0, reinterpret_cast<LPARAM>(window));
    return 0;
  }
  return CallWindowProcA(EditProc(), window, message, wParam, lParam);
}

}  // namespace

bool RegisterInputBoxClass(HINSTANCE instance) {
  WNDCLASSEXA inputBox{};
  inputBox.cbSize = sizeof inputBox;
  if (EditProc() == nullptr || !GetClassInfoExA(nullptr, "EDIT", &inputBox)) return false;
  inputBox.style &= ~CS_GLOBALCLASS;
  inputBox.lpfnWndProc = InputBoxProc;
  inputBox.hInstance = instance;
  inputBox.lpszClassName = kInputClass;
  return RegisterClassExA(&inputBox) != 0;
}

}  // namespace sonorix::aolsim
