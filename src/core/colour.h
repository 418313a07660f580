// Colour values as the settings files and windows hold them: 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace sonorix {

struct Colour {
  std::uint32_t bgr = 0;  // red in the low byte, as the colour picker and GDI lay it out

  constexpr std::uint8_t Red() const { return bgr & 0xFF; }
  constexpr std::uint8_t Green() const { return (bgr >> 8) & 0xFF; }
  constexpr std::uint8_t Blue() const { return (bgr >> 16) & 0xFF; }
  static constexpr Colour FromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Colour{static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
                  (static_cast<std::uint32_t>(b) << 16)};
  }
  friend constexpr bool operator==(Colour, Colour) = default;
};

// A colour asked of the user, as the colour dialog does; nothing when he
// cancels.
using ColourPick = std::function<std::optional<Colour>()>;

// Shown wherever a preset colour cannot be read, e.g. the preset file is gone.
inline constexpr Colour kFallbackColour{0x000000};

// The decimal text a preset file stores; nothing when it is empty, not a
// whole number, or outside the 24-bit range.
std::optional<Colour> ParseColour(std::string_view text);

// ParseColour's colour, or kFallbackColour for text that is no colour.
Colour ColourFromText(std::string_view text);

}  // namespace sonorix
