// What the notification-area icon's record holds and what its mouse reports
// mean, apart from the shell call itself.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sonorix {

inline constexpr unsigned kTrayIconId = 1;
// NIF_MESSAGE | NIF_ICON | NIF_TIP.
inline constexpr unsigned kTrayIconFlags = 7;
// The shell reports activity over the icon as a mouse move of the window,
// with the mouse message that happened over the icon as its x.
inline constexpr unsigned kTrayCallbackMessage = 0x200;
// The tip field holds 64 characters with the closing zero.
inline constexpr std::size_t kTrayTipCharacters = 63;

// TrayMessage's answers.
inline constexpr int kTrayNothing = 0;
inline constexpr int kTrayLeftDoubleClick = 1;
inline constexpr int kTrayRightButtonDown = 2;

// The tip as the icon shows it: its first kTrayTipCharacters characters,
// never cut inside a UTF-8 sequence.
std::string TrayTip(std::string_view utf8);

// Decodes the x of the window's mouse-move event. twipsPerPixelX is how
// many of the window's units make a screen pixel: 1 for a window that
// measures in pixels, the screen's twips per pixel for one in twips.
int TrayMessage(double x, double twipsPerPixelX = 1.0);

}  // namespace sonorix
