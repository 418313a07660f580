// The player's icon in the notification area, which stands in for the
// hidden player window until the user brings it back.
#pragma once

#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include <functional>
#include <string_view>

namespace sonorix {

// One call into the shell's notification area: Shell_NotifyIconA itself,
// or a test's stand-in for a shell that restarts or refuses.
using ShellNotify = std::function<bool(DWORD message, NOTIFYICONDATAA& data)>;

// Holds the one notification-area record of the program. The lead window
// owns one; the icon it added goes away with it.
class TrayIcon {
 public:
  explicit TrayIcon(ShellNotify shell = RealShell);
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
  // A new taskbar (Explorer restarted) holds none of the icons the old one
  // had: the icon is added again, and should the shell refuse it the window
  // is shown, since nothing else could bring it back.
  void OnTaskbarCreated(HWND window);
  // The message the shell broadcasts to every top-level window then.
  static UINT TaskbarCreatedMessage();
  // Lets that broadcast reach the window from a shell that runs at a lower
  // integrity level than the program, as it does for a program run as
  // administrator.
  static void AllowTaskbarCreated(HWND window);
  static bool RealShell(DWORD message, NOTIFYICONDATAA& data);

  const NOTIFYICONDATAA& TrayIconData() const { return trayIconData_; }

 private:
  // Only the leading, version-one part of the record is filled and handed
  // over: 88 bytes in a 32-bit program, where the handles take 4 bytes each.
  NOTIFYICONDATAA trayIconData_{};
  bool added_ = false;
  ShellNotify shell_;
};

}  // namespace sonorix
