// The preset window: lists the interface presets, previews one, makes it
// current, makes new ones from five colours and deletes them.
#pragma once

#include <functional>

#include "aol/aol_client.h"
#include "core/clock.h"
#include "core/settings.h"
#include "look/win32/look_list_frame.h"

namespace sonorix {

struct PresetWindowParts {
  Settings& settings;
  AolClient& aol;
  Clock& clock;
  // The shared colour dialog.
  ColourPick pickColour;
  std::function<void(const Preset&)> applyToPlayer;
  // After "&close": the player window comes back.
  std::function<void()> onClosed;
};

class PresetWindow final : public LookListFrame {
 public:
  explicit PresetWindow(PresetWindowParts parts);

  // The window's load: size, top-most, the current preset's colours, the
  // list filled; then it shows.
  void Open();
  // Hides the window; the next Open loads it afresh.
  void Unload();

 private:
  void OnListClick() override;
  void Switch() override;
  void Make() override;
  void Delete() override;
  void Close() override;

  PresetWindowParts parts_;
};

}  // namespace sonorix
