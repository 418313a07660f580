// Pop-up menu behaviours that Windows shows and Wine does not by itself, so
// that a program driving the client's menus is tried against them.
#pragma once

#include <windows.h>

#include "aolsim/session.h"

namespace sonorix::aolsim {

// Makes a hidden pop-up menu window (class "#32768") owned by the frame, as
// Windows may keep one to show again later; null if it could not be made.
HWND MakeHiddenMenu(HWND frame);

// Called while this thread's menu waits for input: puts its menu windows in
// the order the session's quirks ask for. With "menu-on-top" a menu stays
// above the sub-menu it opened; with "hidden-menu" every hidden menu window
// lies above the shown ones.
void ArrangeMenus(const Session& session);

}  // namespace sonorix::aolsim
