// The frame the preset and style lists share: the list, three preview boxes
// and the switch, del, make and close buttons, laid out alike.
#pragma once

#include <array>

#include "look/win32/look_form.h"

namespace sonorix {

class LookListForm : public LookForm {
 public:
  HWND Text1() const { return text1_; }
  HWND Text2() const { return text2_; }
  HWND Text3() const { return text3_; }

 protected:
  static constexpr int kIdList1 = 100;
  static constexpr int kIdSwitch = 204;  // SSCommand4
  static constexpr int kIdDelete = 205;  // SSCommand5
  static constexpr int kIdMake = 201;    // SSCommand1
  static constexpr int kIdClose = 202;   // SSCommand2

  // The preview boxes are labelled, top to bottom, as given.
  LookListForm(const wchar_t* className, const wchar_t* caption,
               const std::array<const wchar_t*, 3>& previewLabels);

 private:
  HWND text1_ = nullptr;
  HWND text2_ = nullptr;
  HWND text3_ = nullptr;
};

}  // namespace sonorix
