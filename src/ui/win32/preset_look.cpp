#include "ui/win32/preset_look.h"

#include "ui/win32/gdi.h"

namespace sonorix {

void ApplyPreset(const Preset& preset, TitleStrip& strip, ListBox* list,
                 std::span<ThreeDButton> buttons) {
  strip.SetColours(preset.fade1, preset.fade2, preset.label);
  if (list != nullptr) list->SetTextColour(ToColorRef(preset.list.bgr));
  for (ThreeDButton& button : buttons) button.SetTextColour(ToColorRef(preset.button.bgr));
}

}  // namespace sonorix
