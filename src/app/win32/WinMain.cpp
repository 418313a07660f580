// Sonorix: plays a music folder and announces it in the open chat room.
#include <windows.h>

#include <objbase.h>

#include <exception>
#include <string>

#include "app/win32/session_copy.h"
#include "app/win32/sonorix_app.h"
#include "app/win32/startup_dialogs.h"
#include "core/win32/code_page.h"
#include "core/win32/program_folder.h"

namespace {

// The folder picker needs COM on this thread for the whole run.
class ComApartment {
 public:
  ComApartment() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (ok_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool ok_;
};

int Run() {
  sonorix::SonorixApp app(sonorix::ProgramFolder());
  if (!app.Start()) return 0;
  return app.Run();
}

}  // namespace

// A second start in the session only brings the running player forward: it
// makes no window and sends nothing to the chat. A failure the program
// cannot run without ends it here, once every window it made is gone again,
// with a word to the user instead of a silent death.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const sonorix::SessionCopy copy;
  if (!copy.IsFirst()) {
    sonorix::BringFirstCopyForward();
    return 0;
  }
  const ComApartment com;
  try {
    return Run();
  } catch (const std::exception& failure) {
    const std::string text = std::string("Sonorix cannot run: ") + failure.what();
    MessageBoxW(nullptr, sonorix::Utf8ToWide(text).c_str(), sonorix::kMessageTitle,
                MB_OK | MB_ICONINFORMATION);
    return 1;
  }
}
