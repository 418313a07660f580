#include "look/win32/preset_window.h"

#include "chattext/look_lines.h"
#include "look/look_files.h"
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

PresetWindow::PresetWindow(PresetWindowParts parts)
    : LookListFrame(L"Sonorix Presets", L"interface presets",
                    {L"title bar", L"list item", L"buttons"}),
      parts_(std::move(parts)) {}

void PresetWindow::Open() {
  Dress(parts_.settings.ReadCurrentPreset());
  ResetPreviews();
  FillList(parts_.settings, kPresetKind);
  ShowWindow(Hwnd(), SW_SHOW);
}

void PresetWindow::Unload() { ShowWindow(Hwnd(), SW_HIDE); }

// The gradient is not previewed: only the three text colours.
void PresetWindow::OnListClick() {
  const std::optional<std::string> selected = Selected();
  if (!selected) return;
  const Preset preset = parts_.settings.ReadPreset(*selected);
  SetTextColour(Preview(0), ToColorRef(preset.label.bgr));
  SetTextColour(Preview(1), ToColorRef(preset.list.bgr));
  SetTextColour(Preview(2), ToColorRef(preset.button.bgr));
}

void PresetWindow::Switch() {
  const std::optional<std::string> selected = Selected();
  if (!selected) return;
  if (!IsUsableLookName(*selected)) {
    MsgBoxEx(kUnusableNameMessage, "preset");
    return;
  }
  if (!parts_.settings.WriteMain(kPresetKey, *selected)) return;
  const Preset preset = parts_.settings.ReadCurrentPreset();
  const Style style = parts_.settings.ReadCurrentStyle();
  Dress(preset);
  parts_.applyToPlayer(preset);
  parts_.aol.SendChat(PresetSwitchAnnouncement(style, *selected));
}

// A name that cannot be a file name would write outside the presets, or
// nowhere; a cancelled name box makes nothing.
void PresetWindow::Make() {
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

// The list shows names read from the files: one that may not become a file
// deletes nothing.
void PresetWindow::Delete() {
  const std::optional<std::string> selected = Selected();
  if (!selected) return;
  const Deletion deletion = PresetDeletion(*selected, parts_.settings.ReadMain(kPresetKey));
  if (deletion.remove) DeleteIfExists(parts_.settings.PresetFile(*selected));
  MsgBoxEx(deletion.message, "preset");
  FillList(parts_.settings, kPresetKind);
}

void PresetWindow::Close() {
  const Style style = parts_.settings.ReadCurrentStyle();
  Unload();
  parts_.aol.SendChat(PresetsClosedAnnouncement(style));
  parts_.onClosed();
}

}  // namespace sonorix
