// The room's input box: an ANSI edit control under the class name
// "RICHCNTL". Enter, typed or sent as WM_CHAR 13 by another program, asks the
// parent room to send the line (kSubmitInput).
#pragma once

#include <windows.h>

namespace sonorix::aolsim {

bool RegisterInputBoxClass(HINSTANCE instance);

}  // namespace sonorix::aolsim
