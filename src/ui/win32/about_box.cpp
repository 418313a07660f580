#include "ui/win32/about_box.h"

#include <string>

#include "core/win32/stay_on_top.h"
#include "ui/win32/control.h"
#include "ui/win32/message_font.h"
#include "ui/win32/program_icon.h"
#include "ui/win32/twips.h"
#include "ui/win32/work_area.h"

namespace sonorix {

namespace {

constexpr int kWidth = 4800;  // twips, the whole window with its frame
constexpr int kHeight = 2400;
constexpr wchar_t kProgramTitle[] = L"Sonorix";
constexpr wchar_t kDescription[] =
    L"Plays the songs of your music folder, announces each one in the chat room that is open, "
    L"and obeys the short commands you type there yourself.";
// A fixed-size dialog: a title bar with only the close box.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

RECT Centred() {
  const RECT size = TwipsRect(0, 0, kWidth, kHeight);
  return CentredIn(WorkAreaOf(nullptr), size.right, size.bottom);
}

}  // namespace

AboutBox::AboutBox(CloseHandler onClose) : onClose_(std::move(onClose)) {
  // Without a window it has no Hwnd(), and whoever would open it checks that.
  if (CreateWindowOfClass(L"Sonorix About", WS_EX_DLGMODALFRAME, kStyle, Centred(), nullptr)) {
    CreateControls();
  }
}

// The title label still holds the font while the window outlives the
// members; it must let go before the font is deleted.
AboutBox::~AboutBox() {
  if (title_ != nullptr) SendMessageW(title_, WM_SETFONT, 0, FALSE);
}

void AboutBox::CreateControls() {
  constexpr DWORD kText = WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
  icon_ = CreateChild(Hwnd(), L"STATIC", L"", WS_VISIBLE | SS_ICON, 0, 0, {240, 240, 480, 480});
  SendMessageW(icon_, STM_SETICON, reinterpret_cast<WPARAM>(ProgramIcon()), 0);
  title_ = CreateChild(Hwnd(), L"STATIC", L"", kText, 0, 0, {960, 240, 3480, 420});
  OnFontChanged();
  description_ = CreateChild(Hwnd(), L"STATIC", kDescription, kText, 0, 0, {960, 780, 3480, 1080});
  LayOut(kWidth, kHeight);
}

// The title's font follows the message font's DPI; the label lets go of the
// old one before it is deleted.
void AboutBox::OnFontChanged() {
  Font heading = HeadingFont(Dpi());
  SendMessageW(title_, WM_SETFONT, reinterpret_cast<WPARAM>(heading.get()), FALSE);
  titleFont_ = std::move(heading);
}

void AboutBox::Open() {
  StayOnTop(Hwnd());
  SetWindowTextW(Hwnd(), (std::wstring(L"About ") + kProgramTitle).c_str());
  SetWindowTextW(title_, kProgramTitle);
  ShowWindow(Hwnd(), SW_SHOW);
}

bool AboutBox::IsOpen() const { return IsWindowVisible(Hwnd()) != FALSE; }

// Esc and Enter close the box as its close box does.
LRESULT AboutBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const bool closeKey =
      message == WM_COMMAND && (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK);
  if (message != WM_CLOSE && !closeKey) return Default(message, wParam, lParam);
  ShowWindow(Hwnd(), SW_HIDE);
  if (onClose_) onClose_();
  return 0;
}

}  // namespace sonorix
