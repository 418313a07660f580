// Sonorix: names the default look on a first start and announces itself in
// the open chat room.
#include <windows.h>

#include "aol/quenby_aol8.h"
#include "aol/win32/user32_window_api.h"
#include "chattext/announcements.h"
#include "core/settings.h"
#include "core/win32/profile_store.h"
#include "core/win32/program_folder.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  sonorix::ProfileStore store;
  sonorix::Settings settings(store, sonorix::ProgramFolder());
  if (settings.ReadMain(sonorix::kPresetKey).empty()) {
    settings.WriteMain(sonorix::kPresetKey, "default");
  }
  if (settings.ReadMain(sonorix::kStyleKey).empty()) {
    settings.WriteMain(sonorix::kStyleKey, "sonorix");
  }
  sonorix::User32WindowApi windows;
  sonorix::Aol8 aol(windows);
  aol.SendChat(sonorix::StartupBanner(settings.ReadCurrentStyle()));
  return 0;
}
