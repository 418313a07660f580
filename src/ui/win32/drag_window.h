// Moving a window that has no title bar by its title strip, and docking it
// to the screen's edges afterwards.
#pragma once

#include <windows.h>

namespace sonorix {

// Moves the top-level window with the mouse until the button is released,
// as if its title bar had been pressed, then runs SnapToEdges; returns when
// the window has come to rest.
void DragWindow(HWND window);

// Slides the top-level window back onto its monitor's work area and against
// an edge of it that it lies near, handling pending window events between steps so the
// slide is seen. Stops early if the window goes away or the program is
// ending.
void SnapToEdges(HWND window);

}  // namespace sonorix
