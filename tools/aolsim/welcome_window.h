// The welcome window that shows who is signed on: caption
// "Welcome, <name>!", children an icon, a glyph and a static text.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "aolsim/document_window.h"

namespace sonorix::aolsim {

// name is Windows-1252.
std::string WelcomeCaption(std::string_view name);

class WelcomeWindow final : public Document {
 public:
  bool CreateControls(HWND window) override;
  void Layout(int width, int height) override;
  SIZE InitialSize() const override { return SIZE{420, 220}; }
  bool IsWelcome() const override { return true; }

 private:
  enum Control { kIcon, kGlyph, kText, kControlCount };
  std::array<HWND, kControlCount> controls_{};
};

}  // namespace sonorix::aolsim
