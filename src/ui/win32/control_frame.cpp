#include "ui/win32/control_frame.h"

#include "ui/win32/gdi.h"

namespace sonorix {

TitleStrip& ControlFrame::AddStrip(const wchar_t* caption, const TwipsBox& box) {
  strip_ = std::make_unique<TitleStrip>(window_, box, caption);
  return *strip_;
}

ListBox& ControlFrame::AddList(int id, const TwipsBox& box, DWORD extraStyle) {
  ownList_ = std::make_unique<ListBox>(window_, id, box, extraStyle);
  list_ = ownList_.get();
  return *ownList_;
}

ThreeDButton& ControlFrame::AddButton(int id, const wchar_t* caption, const TwipsBox& box,
                                      std::function<void()> onClick) {
  buttons_.push_back(std::make_unique<ThreeDButton>(window_, id, caption, box));
  buttons_.back()->onClick = std::move(onClick);
  return *buttons_.back();
}

void ControlFrame::Dress(const Preset& preset) {
  if (strip_) strip_->SetColours(preset.fade1, preset.fade2, preset.label);
  if (list_ != nullptr) list_->SetTextColour(ToColorRef(preset.list.bgr));
  for (const auto& button : buttons_) button->SetTextColour(ToColorRef(preset.button.bgr));
}

bool ControlFrame::PressFocusedButton() const {
  const HWND focus = GetFocus();
  for (const auto& button : buttons_) {
    if (button->Hwnd() == focus && focus != nullptr) {
      if (button->onClick) button->onClick();
      return true;
    }
  }
  return false;
}

bool ControlFrame::Made() const {
  bool made = strip_ && strip_->Hwnd() && (list_ == nullptr || list_->Hwnd());
  for (const auto& button : buttons_) made = made && button->Hwnd();
  return made;
}

}  // namespace sonorix
