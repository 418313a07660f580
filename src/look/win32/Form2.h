// The preset window: lists the interface presets, previews one, makes it
// current, makes new ones from five colours and deletes them.
#pragma once

#include <functional>

#include "aol/quenby_aol8.h"
#include "core/clock.h"
#include "core/settings.h"
#include "look/win32/look_form.h"

namespace sonorix {

struct PresetWindowParts {
  Settings& settings;
  Aol8& aol;
  Clock& clock;
  // The shared colour dialog.
  std::function<Colour()> pickColour;
  std::function<void(const Preset&)> applyToPlayer;
  // After "&close": the player window comes back.
  std::function<void()> onClosed;
};

class Form2 final : public LookForm {
 public:
  explicit Form2(PresetWindowParts parts);

  // The window's load: size, top-most, the current preset's colours, the
  // list filled; then it shows.
  void Open();
  // Hides the window; the next Open loads it afresh.
  void Unload();

  HWND Text1() const { return text1_; }
  HWND Text2() const { return text2_; }
  HWND Text3() const { return text3_; }

 private:
  void OnButton(int id) override;
  void OnListClick() override;
  void OnSystemClose() override { Close(); }
  void Switch();
  void Make();
  void Delete();
  void Close();

  PresetWindowParts parts_;
  HWND text1_ = nullptr;
  HWND text2_ = nullptr;
  HWND text3_ = nullptr;
};

}  // namespace sonorix
