#include "core/colour.h"

#include <gtest/gtest.h>

namespace sonorix {
namespace {

TEST(ColourFromText, ReadsTheDecimalTextOfAColourPicker) {
  EXPECT_EQ(ColourFromText("16711680"), Colour::FromRgb(0, 0, 255));
  EXPECT_EQ(ColourFromText("255"), Colour::FromRgb(255, 0, 0));
  EXPECT_EQ(ColourFromText(" 65280 "), Colour::FromRgb(0, 255, 0));
  EXPECT_EQ(ColourFromText("0"), Colour{0});
}

TEST(ColourFromText, FallsBackOnTextThatIsNoColour) {
  for (const char* text :
       {"", "  ", "blue", "12abc", "-1", "16777216", "99999999999999999999", "1.5", "0x00FF"}) {
    EXPECT_EQ(ParseColour(text), std::nullopt) << text;
    EXPECT_EQ(ColourFromText(text), kFallbackColour) << text;
  }
}

}  // namespace
}  // namespace sonorix
