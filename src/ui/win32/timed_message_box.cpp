#include "ui/win32/timed_message_box.h"

#include "core/trace.h"
#include "core/win32/code_page.h"
#include "core/win32/stay_on_top.h"
#include "ui/win32/control.h"
#include "ui/win32/work_area.h"

namespace sonorix {

namespace {

constexpr UINT_PTR kTimerTmr = 1;
constexpr UINT kTmrIntervalMs = 1;
constexpr char kTypeMsgBox[] = "msgbox";
// The information icon and a single OK button.
constexpr UINT kBoxStyle = MB_OK | MB_ICONINFORMATION;
static_assert(kBoxStyle == 64);

HWND HiddenControl(HWND parent, const wchar_t* windowClass) {
  return CreateChild(parent, windowClass, L"", 0, 0, 0, {0, 0, 0, 0});
}

void SetText(HWND control, std::string_view utf8) {
  SetWindowTextW(control, Utf8ToWide(utf8).c_str());
}

std::string GetText(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return WideToUtf8(text);
}

}  // namespace

// Beyond every monitor's bottom right corner, where nobody sees it (past
// the first monitor's alone it could show on a second one); the box it
// owns is placed on the screen by the system and is top-most like it.
TimedMessageBox::TimedMessageBox() {
  const auto [left, top] = OffEveryMonitor();
  if (!CreateWindowOfClass(kTimedMessageBoxClass, WS_EX_TOOLWINDOW, WS_POPUP,
                           RECT{left, top, left + 100, top + 40}, nullptr)) {
    return;
  }
  type_ = HiddenControl(Hwnd(), L"EDIT");
  message_ = HiddenControl(Hwnd(), L"STATIC");
  title_ = HiddenControl(Hwnd(), L"STATIC");
  StayOnTop(Hwnd());
  ShowWindow(Hwnd(), SW_SHOW);
  ArmTick();
}

// A tick the system will not time is posted instead: the box still waits
// for the running handler to finish, which is all the timer is for.
void TimedMessageBox::ArmTick() {
  if (SetTimer(Hwnd(), kTimerTmr, kTmrIntervalMs, nullptr) == 0) {
    Trace("timer could not be set: timed message box");
    PostMessageW(Hwnd(), WM_TIMER, kTimerTmr, 0);
  }
}

void TimedMessageBox::SetType(std::string_view type) { SetText(type_, type); }
void TimedMessageBox::SetMessage(std::string_view message) { SetText(message_, message); }
void TimedMessageBox::SetTitle(std::string_view title) { SetText(title_, title); }
std::string TimedMessageBox::Type() const { return GetText(type_); }
std::string TimedMessageBox::Message() const { return GetText(message_); }
std::string TimedMessageBox::Title() const { return GetText(title_); }

void TimedMessageBox::ShowWhenIdle() {
  if (boxOpen_) again_ = true;
}

LRESULT TimedMessageBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kTimerTmr) {
    OnTick();
    return 0;
  }
  return Default(message, wParam, lParam);
}

// The tick acts once per loading: the timer goes off before the box opens,
// so ticks that fall due while it is open raise no second box.
void TimedMessageBox::OnTick() {
  KillTimer(Hwnd(), kTimerTmr);
  if (boxOpen_) return;
  StayOnTop(Hwnd());
  ShowWindow(Hwnd(), SW_SHOW);
  SetWindowTextW(Hwnd(), Utf8ToWide(Title()).c_str());
  if (Type() == kTypeMsgBox) ShowBox();
  // The box's owner may have been destroyed while it was open.
  if (!Loaded()) return;
  if (again_) {
    again_ = false;
    ArmTick();
    return;
  }
  DestroyWindow(Hwnd());
}

void TimedMessageBox::ShowBox() {
  boxOpen_ = true;
  const bool owned = owner_ != nullptr && IsWindowVisible(owner_);
  MessageBoxW(owned ? owner_ : nullptr, Utf8ToWide(Message()).c_str(), Utf8ToWide(Title()).c_str(),
              owned ? kBoxStyle : kBoxStyle | MB_TOPMOST);
  boxOpen_ = false;
}

}  // namespace sonorix
