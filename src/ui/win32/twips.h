// Window sizes are given in twips (1/1440 inch); the screen counts pixels.
#pragma once

#include <windows.h>

namespace sonorix {

int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);
// A rectangle given in twips, in pixels.
RECT TwipsRect(int left, int top, int width, int height);

}  // namespace sonorix
