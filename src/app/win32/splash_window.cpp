#include "app/win32/splash_window.h"

#include "app/splash.h"
#include "core/win32/code_page.h"
#include "core/win32/stay_on_top.h"
#include "ui/win32/control.h"
#include "ui/win32/twips.h"
#include "ui/win32/work_area.h"

namespace sonorix {

namespace {

constexpr int kWidth = 3000;  // twips
constexpr int kHeight = 1485;

RECT Centred(int widthTwips, int heightTwips) {
  const RECT size = TwipsRect(0, 0, widthTwips, heightTwips);
  return CentredIn(WorkAreaOf(nullptr), size.right, size.bottom);
}

}  // namespace

// Without its window the splash only keeps its time: the program needs
// nothing of it.
SplashWindow::SplashWindow() {
  if (!CreateWindowOfClass(L"Sonorix Splash", WS_EX_TOOLWINDOW, WS_POPUP | WS_BORDER,
                           Centred(kWidth, kHeight), nullptr, L"Sonorix")) {
    return;
  }
  picture_ = std::make_unique<TitleStrip>(Hwnd(), TwipsBox{0, 0, kWidth, 900}, L"Sonorix");
  picture_->SetColours(Colour::FromRgb(20, 30, 70), Colour::FromRgb(60, 140, 200),
                       Colour::FromRgb(255, 255, 255));
  lbIntro_ =
      CreateChild(Hwnd(), L"STATIC", L"", WS_VISIBLE | SS_CENTER, 0, 0, {0, 1000, kWidth, 300});
  LayOut(kWidth, kHeight);
}

void SplashWindow::Run(Clock& clock) {
  ShowWindow(Hwnd(), SW_SHOWNOACTIVATE);
  StayOnTop(Hwnd());
  for (const SplashStep& step : SplashSteps()) {
    SetWindowTextW(lbIntro_, Utf8ToWide(step.caption).c_str());
    LayOut(kWidth, kHeight);
    clock.Pause(step.pause);
  }
}

}  // namespace sonorix
