// The icon that stands for the program in its own windows and the tray.
#pragma once

#include <windows.h>

namespace sonorix {

// The exe's first icon resource (app/win32/sonorix.rc), drawn at every
// size the shell asks for.
inline constexpr int kProgramIconId = 1;

// The icon at the system's size for the given metric pair, or the system's
// application icon for a build that carries none (test programs). Shared
// icons: never destroyed.
inline HICON ProgramIconOfSize(int widthMetric, int heightMetric) {
  const auto own = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON,
                 GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_SHARED));
  return own != nullptr ? own : LoadIcon(nullptr, IDI_APPLICATION);
}

// For the About box, the task switcher and the exe.
inline HICON ProgramIcon() { return ProgramIconOfSize(SM_CXICON, SM_CYICON); }
// For title bars and the notification area.
inline HICON ProgramSmallIcon() { return ProgramIconOfSize(SM_CXSMICON, SM_CYSMICON); }

}  // namespace sonorix
