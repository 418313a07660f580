#include "look/win32/look_frame.h"

#include "core/win32/code_page.h"
#include "core/win32/stay_on_top.h"
#include "look/remove_duplicates.h"
#include "look/win32/look_helpers.h"
#include "ui/win32/twips.h"

namespace sonorix {

namespace {

constexpr int kStripHeight = 240;  // twips

}  // namespace

LookFrame::LookFrame(const wchar_t* className, const wchar_t* caption, int width, int height)
    : width_(width), height_(height), frame_(nullptr) {
  // A taskbar and Alt+Tab entry: the window stands in for the hidden player.
  if (!CreateWindowOfClass(className, WS_EX_APPWINDOW, WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                           TwipsRect(3000, 2000, width, height), nullptr, caption)) {
    return;
  }
  frame_ = ControlFrame(Hwnd());
  frame_.AddStrip(caption, {0, 0, width, kStripHeight});
}

void LookFrame::AddButton(int id, const wchar_t* caption, const TwipsBox& box) {
  frame_.AddButton(id, caption, box, [this, id] { OnButton(id); });
}

void LookFrame::AddList(int id, const TwipsBox& box) {
  frame_.AddList(id, box, LBS_NOTIFY).onSelect = [this] { OnListClick(); };
}

HWND LookFrame::AddTextBox(int id, const wchar_t* text, const TwipsBox& box, bool readOnly) {
  const DWORD style = WS_TABSTOP | ES_AUTOHSCROLL | (readOnly ? ES_READONLY : 0);
  texts_.push_back(
      std::make_unique<TextControl>(Hwnd(), L"EDIT", text, style, WS_EX_CLIENTEDGE, id, box));
  return texts_.back()->Hwnd();
}

HWND LookFrame::AddLabel(const wchar_t* text, const TwipsBox& box) {
  texts_.push_back(std::make_unique<TextControl>(Hwnd(), L"STATIC", text, SS_LEFT, 0, -1, box));
  return texts_.back()->Hwnd();
}

TextControl* LookFrame::TextControlOf(HWND control) const {
  for (const auto& text : texts_) {
    if (text->Hwnd() == control) return text.get();
  }
  return nullptr;
}

void LookFrame::SetTextColour(HWND control, COLORREF colour) {
  if (TextControl* text = TextControlOf(control)) text->SetTextColour(colour);
}

COLORREF LookFrame::TextColour(HWND control) const {
  const TextControl* text = TextControlOf(control);
  return text != nullptr ? text->TextColour() : GetSysColor(COLOR_WINDOWTEXT);
}

HWND LookFrame::Button(const std::wstring& caption) const {
  return FindWindowExW(Hwnd(), nullptr, L"Button", caption.c_str());
}

void LookFrame::Dress(const Preset& preset) {
  LayOut(width_, height_);
  StayOnTop(Hwnd());
  frame_.Dress(preset);
}

void LookFrame::FillList(const Settings& settings, const LookKind& kind) {
  std::vector<std::string> names =
      DisplayNames(settings, kind, ListIniFiles(LookFolder(settings, kind)));
  RemoveDuplicates(names);
  SendMessageW(List()->Hwnd(), LB_RESETCONTENT, 0, 0);
  for (const std::string& name : names) List()->Add(name);
}

std::string LookFrame::TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
  return WideToUtf8(text.c_str());
}

std::optional<std::string> LookFrame::Selected() const {
  const ListBox* list = frame_.List();
  if (list == nullptr) return std::nullopt;
  const auto at = static_cast<int>(SendMessageW(list->Hwnd(), LB_GETCURSEL, 0, 0));
  if (at < 0) return std::nullopt;
  return list->Text(at);
}

// The buttons and the list answer for themselves; Enter and Esc come from
// the dialog keys.
LRESULT LookFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
    OnSystemClose();
    return 0;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
    if (!frame_.PressFocusedButton()) OnDefaultAction();
    return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace sonorix
