#include "look/win32/look_list_frame.h"

#include <string>

#include "ui/win32/accessible_name.h"

namespace sonorix {

namespace {

constexpr int kWidth = 2385;  // twips
constexpr int kHeight = 1260;

}  // namespace

LookListFrame::LookListFrame(const wchar_t* className, const wchar_t* caption,
                             const std::array<const wchar_t*, 3>& previewLabels)
    : LookFrame(className, caption, kWidth, kHeight), previewLabels_(previewLabels) {
  if (!Hwnd()) return;
  AddList(kIdList, {60, 300, 1200, 600});
  SetAccessibleName(List()->Hwnd(), caption);
  for (std::size_t i = 0; i < previews_.size(); ++i) {
    const int top = 300 + static_cast<int>(i) * 200;
    previews_[i] =
        AddTextBox(101 + static_cast<int>(i), previewLabels[i], {1320, top, 1005, 200}, true);
    SetAccessibleName(previews_[i], std::wstring(previewLabels[i]) + L" preview");
  }
  AddButton(kIdSwitch, L"&switch", {60, 960, 566, 240});
  AddButton(kIdDelete, L"del", {626, 960, 566, 240});
  AddButton(kIdMake, L"make", {1192, 960, 566, 240});
  AddButton(kIdClose, L"&close", {1758, 960, 566, 240});
}

void LookListFrame::OnButton(int id) {
  if (id == kIdSwitch) Switch();
  if (id == kIdDelete) Delete();
  if (id == kIdMake) Make();
  if (id == kIdClose) Close();
}

void LookListFrame::ResetPreviews() {
  for (std::size_t i = 0; i < previews_.size(); ++i) {
    SetWindowTextW(previews_[i], previewLabels_[i]);
    SetTextColour(previews_[i], GetSysColor(COLOR_WINDOWTEXT));
  }
}

}  // namespace sonorix
