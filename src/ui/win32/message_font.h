// The font the system gives message boxes and dialogs, at a window's DPI:
// the text of every control is set in it.
#pragma once

#include "ui/win32/gdi.h"

namespace sonorix {

Font MessageFont(int dpi);
// The message font, bold and half as large again, for a heading.
Font HeadingFont(int dpi);

}  // namespace sonorix
