// The first start's dialogs on the real message box and folder picker.
#pragma once

#include <windows.h>

#include "player/player_load.h"

namespace sonorix {

inline constexpr wchar_t kMessageTitle[] = L"Sonorix";

class Win32StartupDialogs final : public StartupDialogs {
 public:
  explicit Win32StartupDialogs(HWND owner) : owner_(owner) {}
  void ShowInformation(const std::string& text) override;
  std::string BrowseForFolder(const std::string& title) override;

 private:
  HWND owner_;
};

}  // namespace sonorix
