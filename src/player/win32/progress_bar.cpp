#include "player/win32/progress_bar.h"

#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>

#include "core/trace.h"
#include "core/win32/code_page.h"
#include "ui/win32/gdi.h"
#include "ui/win32/twips.h"

namespace sonorix {

namespace {

// Every look reads the preset and the device: looking as often as the
// timer allows cost a playing song a third more processor time. Each look
// sets the time of the next (ProgressLookDelay).
constexpr UINT_PTR kTimerProgress = 1;
constexpr UINT kFirstLook = 10;

}  // namespace

ProgressBar::ProgressBar(HWND parent, const TwipsBox& box, const Settings& settings,
                         const MediaPlayer& media, PressHandler onPress)
    : settings_(settings), media_(media), onPress_(std::move(onPress)) {
  // A bar the system could not make has no Hwnd(); the player window checks that.
  if (CreateChildOfClass(L"Sonorix Progress", WS_VISIBLE | WS_TABSTOP, parent, box)) {
    spoken_.emplace(Hwnd(), ROLE_SYSTEM_SLIDER);
  }
}

// The arrow keys seek as a press would, a few seconds either way.
void ProgressBar::OnArrow(bool forward) {
  const double duration = media_.Duration();
  if (duration <= 0) return;
  const double target = std::clamp(
      media_.CurrentPosition() + (forward ? kArrowSeconds : -kArrowSeconds), 0.0, duration);
  const int width = WidthTwips();
  onPress_(static_cast<int>(target / duration * width + 0.5), width, true);
}

// Without its timer the bar stands still while the song plays on; the next
// start tries again.
void ProgressBar::Start() {
  running_ = SetTimer(Hwnd(), kTimerProgress, kFirstLook, nullptr) != 0;
  if (!running_) Trace("timer could not be set: progress bar");
}

void ProgressBar::StopAndClear() {
  running_ = false;
  KillTimer(Hwnd(), kTimerProgress);
  fillEnd_ = 0;
  if (spoken_) spoken_->Set(Utf8ToWide(PositionText(0, 0)));
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

int ProgressBar::WidthTwips() const {
  RECT client{};
  GetClientRect(Hwnd(), &client);
  return PixelsToTwipsX(client.right);
}

// The colour is read from the preset on every tick, so a preset change shows
// at once; the bar is only repainted when what it shows has changed.
void ProgressBar::OnTick() {
  const std::optional<Colour> colour = settings_.ReadCurrentButtonColour();
  const double position = media_.CurrentPosition();
  if (running_ && SetTimer(Hwnd(), kTimerProgress, ProgressLookDelay(position), nullptr) == 0) {
    Trace("timer could not be set: progress bar");
  }
  const int fillEnd = ProgressFillEnd(WidthTwips(), position, media_.Duration());
  spoken_->Set(Utf8ToWide(PositionText(position, media_.Duration())));
  if (fillEnd == fillEnd_ && colour == colour_) return;
  fillEnd_ = fillEnd;
  colour_ = colour;
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

void ProgressBar::PaintContent(HDC dc, const RECT& rect) const {
  FillSolid(dc, rect, GetSysColor(COLOR_BTNFACE));
  if (fillEnd_ > 0 && colour_) {
    const RECT bar{rect.left, rect.top, rect.left + TwipsToPixelsX(fillEnd_), rect.bottom};
    FillSolid(dc, bar, ToColorRef(colour_->bgr));
  }
  if (GetFocus() == Hwnd()) DrawFocusRect(dc, &rect);
}

LRESULT ProgressBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kTimerProgress) OnTick();
      return 0;
    case WM_PAINT:
      return PaintClient();
    case WM_ERASEBKGND:
      return 1;
    case WM_GETOBJECT:
      return spoken_ ? spoken_->OnGetObject(wParam, lParam) : Default(message, wParam, lParam);
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (wParam == VK_RIGHT || wParam == VK_LEFT) OnArrow(wParam == VK_RIGHT);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(Hwnd(), nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      onPress_(PixelsToTwipsX(GET_X_LPARAM(lParam)), WidthTwips(), message == WM_LBUTTONDOWN);
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace sonorix
