#include "app/win32/startup_dialogs.h"

#include "core/win32/browse_for_folder.h"
#include "core/win32/code_page.h"

namespace sonorix {

void Win32StartupDialogs::ShowInformation(const std::string& text) {
  MessageBoxW(owner_, Utf8ToWide(text).c_str(), kMessageTitle, MB_OK | MB_ICONINFORMATION);
}

std::string Win32StartupDialogs::BrowseForFolder(const std::string& title) {
  return sonorix::BrowseForFolder(owner_, title);
}

}  // namespace sonorix
