#include "ui/win32/command_list_window.h"

#include "chattext/command_registry.h"
#include "core/win32/stay_on_top.h"
#include "ui/win32/accessible_name.h"
#include "ui/win32/twips.h"
#include "ui/win32/work_area.h"

namespace sonorix {

namespace {

constexpr int kWidth = 2880;  // twips
constexpr int kHeight = 1815;
constexpr int kStripHeight = 240;
constexpr int kIdLstcoms = 100;

RECT Centred() {
  const RECT size = TwipsRect(0, 0, kWidth, kHeight);
  return CentredIn(WorkAreaOf(nullptr), size.right, size.bottom);
}

}  // namespace

CommandListWindow::CommandListWindow(const Settings& settings, CloseHandler onClose)
    : settings_(settings), onClose_(std::move(onClose)), frame_(nullptr) {
  // Without a window the list is neither shown nor filled, and counts 0.
  // A taskbar and Alt+Tab entry: the window stands in for the hidden player.
  static_cast<void>(CreateWindowOfClass(L"Sonorix Commands", WS_EX_APPWINDOW,
                                        WS_POPUP | WS_BORDER | WS_CLIPCHILDREN, Centred(), nullptr,
                                        L"Sonorix - commands"));
  CreateControls();
}

// The strip and the list fill the window inside its border.
void CommandListWindow::CreateControls() {
  frame_ = ControlFrame(Hwnd());
  RECT client{};
  GetClientRect(Hwnd(), &client);
  const int width = PixelsToTwipsX(client.right);
  frame_.AddStrip(L"Sonorix - commands", {0, 0, width, kStripHeight});
  ListBox& list = frame_.AddList(
      kIdLstcoms, {0, kStripHeight, width, PixelsToTwipsY(client.bottom) - kStripHeight});
  SetAccessibleName(list.Hwnd(), L"commands");
  // The list's order is the data's: a sorting list box would reorder lines
  // such as "r * ..." and "r : ..." by the locale's rules.
  for (const std::string_view line : CommandListLines()) list.Add(line);
}

void CommandListWindow::Load() {
  if (loaded_) return;
  LayOut(kWidth, kHeight);
  StayOnTop(Hwnd());
  frame_.Dress(settings_.ReadCurrentPreset());
  loaded_ = true;
}

void CommandListWindow::Show() {
  Load();
  ShowWindow(Hwnd(), SW_SHOW);
}

bool CommandListWindow::IsVisible() const { return IsWindowVisible(Hwnd()) != FALSE; }

void CommandListWindow::Unload() {
  ShowWindow(Hwnd(), SW_HIDE);
  loaded_ = false;
}

int CommandListWindow::ListCount() {
  Load();
  return frame_.List()->Count();
}

LRESULT CommandListWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // Esc (and Enter: the list offers nothing to choose) closes it.
      if (LOWORD(wParam) != IDCANCEL && LOWORD(wParam) != IDOK) return 0;
      [[fallthrough]];
    case WM_CLOSE:
      Unload();
      if (onClose_) onClose_();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace sonorix
