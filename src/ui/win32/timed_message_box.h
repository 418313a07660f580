// The carrier of the timed message box: an out-of-sight, top-most window
// whose one-shot timer raises the box once the program next handles events.
#pragma once

#include <string>
#include <string_view>

#include "ui/win32/window.h"

namespace sonorix {

inline constexpr wchar_t kTimedMessageBoxClass[] = L"Sonorix Timed Message";

class TimedMessageBox final : public Window {
 public:
  // Loads and opens the window: out of sight, top-most, shown, timer on.
  TimedMessageBox();

  // The window the box is modal to; without one, the box stands alone,
  // top-most, with a taskbar button of its own.
  void SetOwner(HWND owner) { owner_ = owner; }
  void SetType(std::string_view type);
  void SetMessage(std::string_view message);
  void SetTitle(std::string_view title);
  std::string Type() const;
  std::string Message() const;
  std::string Title() const;

  // Makes sure the texts just set will be shown: they are if the box has
  // not been raised yet; if it is open, another box follows once it closes.
  void ShowWhenIdle();
  // The window unloads itself once its box is closed.
  bool Loaded() const { return Hwnd() != nullptr; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ArmTick();
  void OnTick();
  void ShowBox();

  HWND owner_ = nullptr;
  HWND type_ = nullptr;
  HWND message_ = nullptr;
  HWND title_ = nullptr;
  bool boxOpen_ = false;
  bool again_ = false;
};

}  // namespace sonorix
