#include "ui/win32/msg_box_ex.h"

#include <memory>

#include "ui/win32/frmMsg.h"

namespace sonorix {

namespace {

// The program's one carrier. Windows belong to the thread that made them,
// so each thread has its own. An unloaded carrier's object lingers until
// the next call replaces it: it cannot free itself inside its own handler.
frmMsg& LoadedCarrier() {
  thread_local std::unique_ptr<frmMsg> carrier;
  if (!carrier || !carrier->Loaded()) carrier = std::make_unique<frmMsg>();
  return *carrier;
}

}  // namespace

void MsgBoxEx(std::string_view message, std::string_view title) {
  frmMsg& carrier = LoadedCarrier();
  carrier.SetType("msgbox");
  carrier.SetMessage(message);
  carrier.SetTitle(title);
  carrier.ShowWhenIdle();
}

}  // namespace sonorix
