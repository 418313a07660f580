// The About box: the program's icon, title and what it is for.
#pragma once

#include <functional>

#include "ui/win32/gdi.h"
#include "ui/win32/window.h"

namespace sonorix {

// Made once and hidden between openings, so that its close box never has to
// destroy the object whose handler is running.
class AboutBox final : public Window {
 public:
  // Called after the close box has put the box away; the owner shows the
  // player window again.
  using CloseHandler = std::function<void()>;

  explicit AboutBox(CloseHandler onClose);
  ~AboutBox() override;

  // Top-most, captioned with the program's title, and shown.
  void Open();
  bool IsOpen() const;

  HWND Icon() const { return icon_; }
  HWND Title() const { return title_; }
  HWND Description() const { return description_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();
  void OnFontChanged() override;

  CloseHandler onClose_;
  Font titleFont_;
  HWND icon_ = nullptr;
  HWND title_ = nullptr;
  HWND description_ = nullptr;
};

}  // namespace sonorix
