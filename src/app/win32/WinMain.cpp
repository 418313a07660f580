// Sonorix: plays a music folder and announces it in the open chat room.
#include <windows.h>

#include <objbase.h>

#include "core/win32/program_folder.h"
#include "app/win32/sonorix_app.h"

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

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const ComApartment com;
  sonorix::SonorixApp app(sonorix::ProgramFolder());
  if (!app.Start()) return 0;
  return app.Run();
}
