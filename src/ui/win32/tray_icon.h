// The player's icon in the notification area, which stands in for the
// hidden player window until the user brings it back.
#pragma once

#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include <string_view>

namespace sonorix {

// Holds the one notification-area record of the program. The lead window
// owns one; the icon it added goes away with it.
class TrayIcon {
 public:
  TrayIcon() = default;
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon with its tip (UTF-8) and hides the window. When the shell
  // refuses the icon the window stays visible, since nothing could bring it
  // back, and the answer is false.
  bool TrayAdd(HICON icon, std::string_view tip, HWND window);
  // Removes the icon that TrayAdd described; false if there was none.
  bool TrayRemove();
  // Removes the icon and shows the window.
  void TrayRestore(HWND window);
  // Whether the icon stands in for a hidden window now.
  bool Added() const { return added_; }

  const NOTIFYICONDATAA& TrayIconData() const { return trayIconData_; }

 private:
  // Only the leading, version-one part of the record is filled and handed
  // over: 88 bytes in a 32-bit program, where the handles take 4 bytes each.
  NOTIFYICONDATAA trayIconData_{};
  bool added_ = false;
};

}  // namespace sonorix
