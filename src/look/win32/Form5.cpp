#include "look/win32/Form5.h"

#include "chattext/text_helpers.h"
#include "core/win32/code_page.h"
#include "look/look_files.h"
#include "look/look_lines.h"
#include "look/win32/look_helpers.h"
#include "ui/win32/gdi.h"
#include "ui/win32/msg_box_ex.h"

namespace sonorix {

namespace {

constexpr int kWidth = 2385;  // twips
constexpr int kHeight = 1260;
constexpr int kIdList1 = 100;
constexpr int kIdSwitch = 204;  // SSCommand4
constexpr int kIdDelete = 205;  // SSCommand5
constexpr int kIdMake = 201;    // SSCommand1
constexpr int kIdClose = 202;   // SSCommand2

}  // namespace

Form5::Form5(StyleWindowParts parts)
    : LookForm(L"Sonorix Styles", L"styles", kWidth, kHeight), parts_(std::move(parts)) {
  if (!Hwnd()) return;
  AddList(kIdList1, RECT{60, 300, 1200, 600});
  text1_ = AddTextBox(101, L"ascii", RECT{1320, 300, 1005, 200}, true);
  text2_ = AddTextBox(102, L"acolor", RECT{1320, 500, 1005, 200}, true);
  text3_ = AddTextBox(103, L"fcolor", RECT{1320, 700, 1005, 200}, true);
  AddButton(kIdSwitch, L"&switch", RECT{60, 960, 566, 240});
  AddButton(kIdDelete, L"del", RECT{626, 960, 566, 240});
  AddButton(kIdMake, L"make", RECT{1192, 960, 566, 240});
  AddButton(kIdClose, L"&close", RECT{1758, 960, 566, 240});
}

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
  SetWindowTextW(text1_, Utf8ToWide(ascii).c_str());
  SetWindowTextW(text2_, Utf8ToWide(acolor).c_str());
  SetWindowTextW(text3_, Utf8ToWide(fcolor).c_str());
  const COLORREF accent = ToColorRef(HtmlToColor(acolor).bgr);
  SetTextColour(text1_, accent);
  SetTextColour(text2_, accent);
  SetTextColour(text3_, ToColorRef(HtmlToColor(fcolor).bgr));
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
