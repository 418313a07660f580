// The shell's folder picker.
#pragma once

#include <windows.h>

#include <string>

namespace sonorix {

// Shows the picker owned by the window, with the title above its tree and
// the desktop as its root. The chosen folder's path in UTF-8, or "" when the
// user cancels or picks something that is no file-system folder.
std::string BrowseForFolder(HWND owner, const std::string& title);

}  // namespace sonorix
