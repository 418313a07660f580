#include "look/win32/Form5.h"

#include "chattext/text_helpers.h"
#include "core/win32/code_page.h"
#include "look/look_files.h"
#include "look/look_lines.h"
#include "look/win32/look_helpers.h"
#include "ui/win32/gdi.h"
#include "ui/win32/msg_box_ex.h"

namespace sonorix {

Form5::Form5(StyleWindowParts parts)
    : LookListForm(L"Sonorix Styles", L"styles", {L"ascii", L"acolor", L"fcolor"}),
      parts_(std::move(parts)) {}

void Form5::Open() {
  Dress(parts_.settings.ReadCurrentPreset());
  Refill();
  ShowWindow(Hwnd(), SW_SHOW);
}

void Form5::Unload() { ShowWindow(Hwnd(), SW_HIDE); }

void Form5::Refill() { FillList(parts_.settings, kStyleKind); }

void Form5::OnButton(int id) {
  FocusCmd();
  switch (id) {
    case kIdSwitch:
      Switch();
      break;
    case kIdDelete:
      Delete();
      break;
    case kIdMake:
      ShowWindow(Hwnd(), SW_HIDE);
      parts_.openMaker();
      break;
    case kIdClose:
      Close();
      break;
    default:
      break;
  }
}

// The decoration and the accent colour's text show in the accent colour,
// the main colour's text in the main colour.
void Form5::OnListClick() {
  const std::optional<std::string> selected = Selected();
  if (!selected) return;
  const std::string file = parts_.settings.StyleFile(*selected);
  std::string acolor = parts_.settings.ReadIni("Styles", "acolor", file);
  const std::string ascii = parts_.settings.ReadIni("Styles", "ascii", file);
  std::string fcolor = parts_.settings.ReadIni("Styles", "fcolor", file);
  SetWindowTextW(Text1(), Utf8ToWide(ascii).c_str());
  SetWindowTextW(Text2(), Utf8ToWide(acolor).c_str());
  SetWindowTextW(Text3(), Utf8ToWide(fcolor).c_str());
  const COLORREF accent = ToColorRef(HtmlToColor(acolor).bgr);
  SetTextColour(Text1(), accent);
  SetTextColour(Text2(), accent);
  SetTextColour(Text3(), ToColorRef(HtmlToColor(fcolor).bgr));
}

void Form5::Switch() {
  const std::optional<std::string> selected = Selected();
  if (!selected) return;
  parts_.settings.WriteMain(kStyleKey, *selected);
  parts_.aol.SendChat(StyleSwitchAnnouncement(parts_.settings.ReadCurrentStyle(), *selected));
}

// As with presets: a listed name that is no plain file name deletes nothing.
void Form5::Delete() {
  const std::optional<std::string> selected = Selected();
  if (!selected) return;
  const Deletion deletion = StyleDeletion(*selected, parts_.settings.ReadMain(kStyleKey));
  if (deletion.remove && IsUsableLookName(*selected)) {
    DeleteIfExists(parts_.settings.StyleFile(*selected));
  }
  MsgBoxEx(deletion.message, "style");
  Refill();
}

void Form5::Close() {
  Unload();
  parts_.aol.SendChat(StylesClosedAnnouncement(parts_.settings.ReadCurrentStyle()));
  parts_.onClosed();
}

}  // namespace sonorix
