// The icon that stands for the program in its own windows.
#pragma once

#include <windows.h>

namespace sonorix {

// The exe's first icon resource, or the system's application icon for a
// build that carries none. Shared icons: never destroyed.
inline HICON ProgramIcon() {
  const HICON own = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  return own != nullptr ? own : LoadIcon(nullptr, IDI_APPLICATION);
}

}  // namespace sonorix
