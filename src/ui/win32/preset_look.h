// Giving a window the current preset's look: every window spreads the
// preset's colours over its title strip, list and buttons the same way.
#pragma once

#include <span>

#include "core/settings.h"
#include "ui/win32/list_box.h"
#include "ui/win32/three_d_button.h"
#include "ui/win32/title_strip.h"

namespace sonorix {

// The gradient and the label colour go to the title strip, the list colour
// to the list (if the window has one), the button colour to every captioned
// button given.
void ApplyPreset(const Preset& preset, TitleStrip& strip, ListBox* list,
                 std::span<ThreeDButton> buttons = {});

}  // namespace sonorix
