#include "look/win32/style_maker_window.h"

#include "chattext/look_lines.h"
#include "ui/win32/msg_box_ex.h"

namespace sonorix {

namespace {

constexpr int kWidth = 1950;  // twips
constexpr int kHeight = 1500;
constexpr int kIdPreview = 202;
constexpr int kIdMake = 205;
constexpr int kIdCancel = 204;
constexpr int kRowHeight = 240;

}  // namespace

StyleMakerWindow::StyleMakerWindow(StyleMakerParts parts)
    : LookFrame(L"Sonorix Style Maker", L"style maker", kWidth, kHeight), parts_(std::move(parts)) {
  if (!Hwnd()) return;
  HWND* const fields[] = {&nameField_, &asciiField_, &accentField_, &fontColourField_};
  const wchar_t* const labels[] = {L"&name :", L"&ascii :", L"&acolor :", L"&fcolor :"};
  for (int i = 0; i < 4; ++i) {
    const int top = 300 + i * (kRowHeight + 15);
    AddLabel(labels[i], TwipsBox{60, top + 30, 600, kRowHeight - 30});
    *fields[i] = AddTextBox(101 + i, L"", TwipsBox{660, top, 1230, kRowHeight}, false);
  }
  AddButton(kIdPreview, L"preview", TwipsBox{60, 1320, 600, 150});
  AddButton(kIdMake, L"make", TwipsBox{675, 1320, 600, 150});
  AddButton(kIdCancel, L"cancel", TwipsBox{1290, 1320, 600, 150});
}

void StyleMakerWindow::Open() {
  Dress(parts_.settings.ReadCurrentPreset());
  EmptyFields();
  ShowWindow(Hwnd(), SW_SHOW);
  parts_.aol.SendChat(StyleMakerOpenAnnouncement(parts_.settings.ReadCurrentStyle()));
}

StyleFields StyleMakerWindow::Fields() const {
  return {TextOf(nameField_), TextOf(asciiField_), TextOf(accentField_), TextOf(fontColourField_)};
}

void StyleMakerWindow::EmptyFields() {
  for (const HWND field : {nameField_, asciiField_, accentField_, fontColourField_})
    SetWindowTextW(field, L"");
}

void StyleMakerWindow::OnButton(int id) {
  switch (id) {
    case kIdPreview: {
      const StyleFields typed = Fields();
      parts_.aol.SendChat(
          StylePreviewLine(Style{"", "", typed.acolor, typed.ascii, typed.fcolor}, typed.name));
      break;
    }
    case kIdMake:
      Make();
      break;
    case kIdCancel:
      Cancel();
      break;
    default:
      break;
  }
}

void StyleMakerWindow::Make() {
  const StyleFields fields = Fields();
  // The focus waits in the field the box is about, for when it closes.
  if (const std::optional<StyleProblem> problem = StyleFieldProblem(fields)) {
    const HWND fieldOf[] = {nameField_, asciiField_, accentField_, fontColourField_};
    SetFocus(fieldOf[static_cast<int>(problem->field)]);
    MsgBoxEx(problem->message, "style");
    return;
  }
  // A style that did not reach the disk is not announced; the fields stay
  // for another try.
  if (!SaveStyle(parts_.settings, fields)) return;
  parts_.aol.SendChat(StyleSavedAnnouncement(parts_.settings.ReadCurrentStyle(), fields.name));
  Leave(true);
}

void StyleMakerWindow::Cancel() {
  parts_.aol.SendChat(StyleMakerClosedAnnouncement(parts_.settings.ReadCurrentStyle()));
  Leave(false);
}

void StyleMakerWindow::Leave(bool made) {
  EmptyFields();
  ShowWindow(Hwnd(), SW_HIDE);
  parts_.onDone(made);
}

}  // namespace sonorix
