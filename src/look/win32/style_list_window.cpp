#include "look/win32/style_list_window.h"

#include "chattext/look_lines.h"
#include "chattext/text_helpers.h"
#include "core/win32/code_page.h"
#include "look/look_files.h"
#include "look/win32/look_helpers.h"
#include "ui/win32/gdi.h"
#include "ui/win32/msg_box_ex.h"

namespace sonorix {

StyleListWindow::StyleListWindow(StyleWindowParts parts)
    : LookListFrame(L"Sonorix Styles", L"styles", {L"ascii", L"acolor", L"fcolor"}),
      parts_(std::move(parts)) {}

void StyleListWindow::Open() {
  Dress(parts_.settings.ReadCurrentPreset());
  ResetPreviews();
  Refill();
  ShowWindow(Hwnd(), SW_SHOW);
}

void StyleListWindow::Unload() { ShowWindow(Hwnd(), SW_HIDE); }

void StyleListWindow::Refill() { FillList(parts_.settings, kStyleKind); }

// The maker stands in for the list until it is done.
void StyleListWindow::Make() {
  ShowWindow(Hwnd(), SW_HIDE);
  parts_.openMaker();
}

// The decoration and the accent colour's text show in the accent colour,
// the main colour's text in the main colour.
void StyleListWindow::OnListClick() {
  const std::optional<std::string> selected = Selected();
  if (!selected) return;
  Style style = parts_.settings.ReadStyle(*selected);
  SetWindowTextW(Preview(0), Utf8ToWide(style.ascii).c_str());
  SetWindowTextW(Preview(1), Utf8ToWide(style.acolor).c_str());
  SetWindowTextW(Preview(2), Utf8ToWide(style.fcolor).c_str());
  const COLORREF accent = ToColorRef(HtmlToColor(style.acolor).bgr);
  SetTextColour(Preview(0), accent);
  SetTextColour(Preview(1), accent);
  SetTextColour(Preview(2), ToColorRef(HtmlToColor(style.fcolor).bgr));
}

void StyleListWindow::Switch() {
  const std::optional<std::string> selected = Selected();
  if (!selected) return;
  if (!IsUsableLookName(*selected)) {
    MsgBoxEx(kUnusableNameMessage, "style");
    return;
  }
  if (!parts_.settings.WriteMain(kStyleKey, *selected)) return;
  parts_.aol.SendChat(StyleSwitchAnnouncement(parts_.settings.ReadCurrentStyle(), *selected));
}

// As with presets: a listed name that is no plain file name deletes nothing.
void StyleListWindow::Delete() {
  const std::optional<std::string> selected = Selected();
  if (!selected) return;
  const Deletion deletion = StyleDeletion(*selected, parts_.settings.ReadMain(kStyleKey));
  if (deletion.remove) DeleteIfExists(parts_.settings.StyleFile(*selected));
  MsgBoxEx(deletion.message, "style");
  Refill();
}

void StyleListWindow::Close() {
  Unload();
  parts_.aol.SendChat(StylesClosedAnnouncement(parts_.settings.ReadCurrentStyle()));
  parts_.onClosed();
}

}  // namespace sonorix
