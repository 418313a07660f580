// Where on the desktop windows are placed: the work area of a monitor, the
// part the taskbar and docked bars leave free. With several monitors it may
// start anywhere, left of or above the first one too.
#pragma once

#include <windows.h>

namespace sonorix {

// The work area of the monitor that holds most of the window, or the
// nearest one when it is on none; the first monitor's for no window.
RECT WorkAreaOf(HWND window);
// A rectangle of the size, in pixels, centred in the area.
RECT CentredIn(const RECT& area, int width, int height);
// A place nobody sees: beyond the bottom right corner of every monitor.
POINT OffEveryMonitor();

}  // namespace sonorix
