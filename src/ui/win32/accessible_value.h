// A value and a role for screen readers, for a control we draw ourselves:
// the system's accessibility proxy knows our window class only as a plain
// client area, with a name but no value.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace sonorix {

class AccessibleValue {
 public:
  // role is an MSAA ROLE_SYSTEM_* constant.
  AccessibleValue(HWND control, long role);
  ~AccessibleValue();
  AccessibleValue(const AccessibleValue&) = delete;
  AccessibleValue& operator=(const AccessibleValue&) = delete;

  // Screen readers are told when the value changes.
  void Set(const std::wstring& value);
  // The control's answer to WM_GETOBJECT.
  LRESULT OnGetObject(WPARAM wParam, LPARAM lParam) const;

  struct Shared {
    HWND control;
    long role;
    std::wstring value;
  };

 private:
  // Shared with the objects handed out: a screen reader may hold one after
  // the control is gone, and then reads nothing.
  std::shared_ptr<Shared> shared_;
};

}  // namespace sonorix
