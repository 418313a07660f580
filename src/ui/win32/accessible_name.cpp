#include "ui/win32/accessible_name.h"

#include <string_view>

#include "ui/win32/control.h"

namespace sonorix {

namespace {

// Tells the labels made here from any other static before the control.
constexpr int kLabelId = 0x5A11;

bool ShowsItsText(HWND control) {
  wchar_t kind[16] = {};
  GetClassNameW(control, kind, 16);
  return std::wstring_view(kind) == L"Edit";
}

// A hidden static placed just before the control, as a visible label
// would be.
HWND LabelBefore(HWND control) {
  const HWND before = GetWindow(control, GW_HWNDPREV);
  if (before != nullptr && GetDlgCtrlID(before) == kLabelId) return before;
  const HWND label =
      CreateChild(GetParent(control), L"STATIC", L"", SS_NOPREFIX, 0, kLabelId, {0, 0, 0, 0});
  if (label == nullptr) return nullptr;
  SetWindowPos(label, before != nullptr ? before : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return label;
}

}  // namespace

void SetAccessibleName(HWND control, const std::wstring& name) {
  if (control == nullptr) return;
  if (const HWND label = LabelBefore(control)) SetWindowTextW(label, name.c_str());
  if (!ShowsItsText(control)) SetWindowTextW(control, name.c_str());
}

}  // namespace sonorix
