// The frame the preset and style lists share: the list, three preview boxes
// and the switch, del, make and close buttons, laid out alike.
#pragma once

#include <array>
#include <cstddef>

#include "look/win32/look_frame.h"

namespace sonorix {

class LookListFrame : public LookFrame {
 public:
  // The preview boxes, top to bottom.
  HWND Preview(std::size_t at) const { return previews_[at]; }

 protected:
  static constexpr int kIdList = 100;
  static constexpr int kIdSwitch = 204;
  static constexpr int kIdDelete = 205;
  static constexpr int kIdMake = 201;
  static constexpr int kIdClose = 202;

  // The preview boxes are labelled, top to bottom, as given.
  LookListFrame(const wchar_t* className, const wchar_t* caption,
                const std::array<const wchar_t*, 3>& previewLabels);

  // The previews as the window was made: their labels, in the text colour;
  // each opening starts so, not with the last one looked at.
  void ResetPreviews();

  // The four buttons; Enter switches, Esc and the system's close close.
  virtual void Switch() = 0;
  virtual void Delete() = 0;
  virtual void Make() = 0;
  virtual void Close() = 0;

 private:
  void OnButton(int id) final;
  void OnDefaultAction() final { Switch(); }
  void OnSystemClose() final { Close(); }

  std::array<HWND, 3> previews_{};
  std::array<const wchar_t*, 3> previewLabels_;
};

}  // namespace sonorix
