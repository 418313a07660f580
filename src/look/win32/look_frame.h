// What the preset window, the style list and the style maker share: a
// top-most window without a title bar whose title strip drags it, 3-D
// buttons, the keys of a dialog box (Enter, Esc, Tab), and the current
// preset's colours taken each time it opens.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/settings.h"
#include "look/look_lists.h"
#include "ui/win32/control_frame.h"
#include "ui/win32/text_control.h"
#include "ui/win32/window.h"

namespace sonorix {

class LookFrame : public Window {
 public:
  TitleStrip& Strip() { return frame_.Strip(); }
  HWND StripLabel() const { return frame_.StripLabel(); }
  // Null for a window without a list.
  ListBox* List() { return frame_.List(); }
  // The button with the caption, or null.
  HWND Button(const std::wstring& caption) const;
  bool IsShown() const { return IsWindowVisible(Hwnd()) != FALSE; }
  // The text colour a read-only box or label is drawn in.
  COLORREF TextColour(HWND control) const;
  static std::string TextOf(HWND control);

 protected:
  // Sizes are in twips; a window the system could not make has no Hwnd().
  LookFrame(const wchar_t* className, const wchar_t* caption, int width, int height);

  void AddButton(int id, const wchar_t* caption, const TwipsBox& box);
  void AddList(int id, const TwipsBox& box);
  // A text box, read-only for previews; its colour is set by SetTextColour.
  HWND AddTextBox(int id, const wchar_t* text, const TwipsBox& box, bool readOnly);
  HWND AddLabel(const wchar_t* text, const TwipsBox& box);
  void SetTextColour(HWND control, COLORREF colour);

  // Size, top-most and the preset's colours: every opening starts so.
  void Dress(const Preset& preset);
  // The list shows the display names of the kind's files afresh, each name
  // once.
  void FillList(const Settings& settings, const LookKind& kind);
  // The selected entry's text; nothing when none is selected.
  std::optional<std::string> Selected() const;

  virtual void OnButton(int id) = 0;
  // Enter, unless the focus is on a button, which Enter then presses.
  virtual void OnDefaultAction() = 0;
  virtual void OnListClick() {}
  // The system's close (Alt+F4) and Esc do what the window's own close does.
  virtual void OnSystemClose() = 0;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  TextControl* TextControlOf(HWND control) const;

  int width_;
  int height_;
  ControlFrame frame_;
  std::vector<std::unique_ptr<TextControl>> texts_;
};

}  // namespace sonorix
