#include "ui/tray.h"

#include <cmath>

namespace sonorix {

namespace {

constexpr long kWmLButtonDblClk = 0x203;
constexpr long kWmRButtonDown = 0x204;

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

}  // namespace

std::string TrayTip(std::string_view utf8) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (StartsCharacter(utf8[i]) && ++characters > kTrayTipCharacters) {
      return std::string(utf8.substr(0, i));
    }
  }
  return std::string(utf8);
}

int TrayMessage(double x, double twipsPerPixelX) {
  // A scale of zero or less cannot come from a screen; read x as pixels.
  const double pixels = twipsPerPixelX > 0 ? x / twipsPerPixelX : x;
  // Far beyond any mouse message, and beyond what lround can answer.
  if (!(std::abs(pixels) < 1e6)) return kTrayNothing;
  switch (std::lround(pixels)) {
    case kWmLButtonDblClk:
      return kTrayLeftDoubleClick;
    case kWmRButtonDown:
      return kTrayRightButtonDown;
    default:
      return kTrayNothing;
  }
}

}  // namespace sonorix
