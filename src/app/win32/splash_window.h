// The splash window: counts through its loading captions before the player
// window takes over.
#pragma once

#include <memory>

#include "core/clock.h"
#include "ui/win32/title_strip.h"
#include "ui/win32/window.h"

namespace sonorix {

class SplashWindow final : public Window {
 public:
  SplashWindow();
  // Shows the window and runs the captions, waiting after each; the caller
  // destroys the window afterwards.
  void Run(Clock& clock);

 private:
  std::unique_ptr<TitleStrip> picture_;
  HWND lbIntro_ = nullptr;
};

}  // namespace sonorix
