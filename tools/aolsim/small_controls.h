// The decorative controls around a room's transcript and in the welcome
// window. Other programs only look for them by class; the send icon is the
// one that does something: a click sends the input box's line.
#pragma once

#include <windows.h>

namespace sonorix::aolsim {

// Labels (_AOL_Static, RICHCNTLSTATIC), the picture controls (_AOL_Image,
// _AOL_Glyph), the combo box look-alike and the clickable _AOL_Icon, which
// tells its parent WM_COMMAND with BN_CLICKED.
bool RegisterSmallControlClasses(HINSTANCE instance);

}  // namespace sonorix::aolsim
