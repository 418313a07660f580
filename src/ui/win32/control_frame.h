// What the player, command list, match list and look windows share: the
// title strip across the top, a list, a row of 3-D buttons, and the current
// preset's colours spread over them.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/settings.h"
#include "ui/win32/list_box.h"
#include "ui/win32/three_d_button.h"
#include "ui/win32/title_strip.h"

namespace sonorix {

class ControlFrame {
 public:
  // The parts are children of window, which owns and destroys them.
  explicit ControlFrame(HWND window) : window_(window) {}

  TitleStrip& AddStrip(const wchar_t* caption, const TwipsBox& box);
  ListBox& AddList(int id, const TwipsBox& box, DWORD extraStyle = 0);
  // A list another part made (the song list), coloured as the frame's own.
  void UseList(ListBox& list) { list_ = &list; }
  ThreeDButton& AddButton(int id, const wchar_t* caption, const TwipsBox& box,
                          std::function<void()> onClick);

  // The gradient and the label colour go to the strip, the list colour to
  // the list, the button colour to every button.
  void Dress(const Preset& preset);
  // Enter presses the button that has the focus; false when none has it.
  bool PressFocusedButton() const;
  // Whether the system made every part.
  bool Made() const;

  TitleStrip& Strip() const { return *strip_; }
  HWND StripLabel() const { return strip_->Label(); }
  // Null for a window without a list.
  ListBox* List() const { return list_; }

 private:
  HWND window_;
  std::unique_ptr<TitleStrip> strip_;
  std::unique_ptr<ListBox> ownList_;
  ListBox* list_ = nullptr;
  std::vector<std::unique_ptr<ThreeDButton>> buttons_;
};

}  // namespace sonorix
