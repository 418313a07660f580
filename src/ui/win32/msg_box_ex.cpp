#include "ui/win32/msg_box_ex.h"

#include <memory>

#include "ui/win32/timed_message_box.h"

namespace sonorix {

namespace {

// The program's one carrier. Windows belong to the thread that made them,
// so each thread has its own. An unloaded carrier's object lingers until
// the next call replaces it: it cannot free itself inside its own handler.
TimedMessageBox& LoadedCarrier() {
  thread_local std::unique_ptr<TimedMessageBox> carrier;
  if (!carrier || !carrier->Loaded()) carrier = std::make_unique<TimedMessageBox>();
  return *carrier;
}

// The window the user is in when the box is asked for: the box is modal to
// it, shows above it (top-most or not) and gives the focus back to it.
HWND DialogOwner() {
  const HWND active = GetActiveWindow();
  return active != nullptr && IsWindowVisible(active) ? active : nullptr;
}

}  // namespace

void MsgBoxEx(std::string_view message, std::string_view title) {
  const HWND owner = DialogOwner();
  TimedMessageBox& carrier = LoadedCarrier();
  carrier.SetOwner(owner);
  carrier.SetType("msgbox");
  carrier.SetMessage(message);
  carrier.SetTitle(title);
  carrier.ShowWhenIdle();
}

}  // namespace sonorix
