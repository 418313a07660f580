#include "look/win32/Form2.h"

#include "look/look_files.h"
#include "look/look_lines.h"
#include "look/win32/look_helpers.h"
#include "ui/win32/gdi.h"
#include "ui/win32/input_box.h"
#include "ui/win32/msg_box_ex.h"

namespace sonorix {

namespace {

constexpr char kMakeHelp[] =
    "preset make \\\\\r\nthe first 2 color boxes are for fade.\r\nthe third box is for the label "
    "color.\r\nthe fourth box is for the list color.\r\nthe fifth box is for the button color.";

}  // namespace

Form2::Form2(PresetWindowParts parts)
    : LookListForm(L"Sonorix Presets", L"interface presets",
                   {L"title bar", L"list item", L"buttons"}),
      parts_(std::move(parts)) {}

void Form2::Open() {
  Dress(parts_.settings.ReadCurrentPreset());
  FillList(parts_.settings, kPresetKind);
  ShowWindow(Hwnd(), SW_SHOW);
}

void Form2::Unload() { ShowWindow(Hwnd(), SW_HIDE); }

void Form2::OnButton(int id) {
  FocusCmd();
  switch (id) {
    case kIdSwitch:
      Switch();
      break;
    case kIdDelete:
      Delete();
      break;
    case kIdMake:
      Make();
      break;
    case kIdClose:
      Close();
      break;
    default:
      break;
  }
}

// The gradient is not previewed: only the three text colours.
void Form2::OnListClick() {
  const std::optional<std::string> selected = Selected();
  if (!selected) return;
  const Preset preset = parts_.settings.ReadPreset(*selected);
  SetTextColour(Text1(), ToColorRef(preset.label.bgr));
  SetTextColour(Text2(), ToColorRef(preset.list.bgr));
  SetTextColour(Text3(), ToColorRef(preset.button.bgr));
}

void Form2::Switch() {
  const std::optional<std::string> selected = Selected();
  if (!selected) return;
  parts_.settings.WriteMain(kPresetKey, *selected);
  const Preset preset = parts_.settings.ReadCurrentPreset();
  const Style style = parts_.settings.ReadCurrentStyle();
  Dress(preset);
  parts_.applyToPlayer(preset);
  parts_.aol.SendChat(PresetSwitchAnnouncement(style, *selected));
}

// A name that cannot be a file name would write outside the presets, or
// nowhere; a cancelled name box makes nothing.
void Form2::Make() {
  MsgBoxEx(kMakeHelp, "preset");
  parts_.clock.Pause(0.5);
  const std::optional<std::string> name =
      InputBox(Hwnd(), "Enter the name for your preset", "Sonorix", "no more then 12 characters");
  if (!name) return;
  if (!IsUsableLookName(*name)) {
    MsgBoxEx(kUnusableNameMessage, "preset");
    return;
  }
  MakePreset(parts_.settings, *name, parts_.pickColour);
  FillList(parts_.settings, kPresetKind);
}

// The list shows names read from the files: one that is no plain file name
// must not lead the deletion out of the presets folder.
void Form2::Delete() {
  const std::optional<std::string> selected = Selected();
  if (!selected) return;
  const Deletion deletion = PresetDeletion(*selected, parts_.settings.ReadMain(kPresetKey));
  if (deletion.remove && IsUsableLookName(*selected)) {
    DeleteIfExists(parts_.settings.PresetFile(*selected));
  }
  MsgBoxEx(deletion.message, "preset");
  FillList(parts_.settings, kPresetKind);
}

void Form2::Close() {
  const Style style = parts_.settings.ReadCurrentStyle();
  Unload();
  parts_.aol.SendChat(PresetsClosedAnnouncement(style));
  parts_.onClosed();
}

}  // namespace sonorix
