// Moving a window that has no title bar by its title strip.
#pragma once

#include <windows.h>

namespace sonorix {

// Moves the window with the mouse until the button is released, as if its
// title bar had been pressed; returns after the release.
void DragWindow(HWND window);

}  // namespace sonorix
