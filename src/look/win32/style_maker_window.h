// The style maker: a new chat text style from four typed fields, a preview
// line of it in the room, and its style file.
#pragma once

#include <functional>

#include "aol/aol_client.h"
#include "core/settings.h"
#include "look/look_files.h"
#include "look/win32/look_frame.h"

namespace sonorix {

struct StyleMakerParts {
  Settings& settings;
  AolClient& aol;
  // Both ways out: the style list reads its folder again and shows.
  // Whether a style was made, so the style list knows to read its files again.
  std::function<void(bool made)> onDone;
};

class StyleMakerWindow final : public LookFrame {
 public:
  explicit StyleMakerWindow(StyleMakerParts parts);

  // The window's load, with empty fields; announced in the room.
  void Open();

  HWND NameField() const { return nameField_; }              // name
  HWND AsciiField() const { return asciiField_; }            // ascii
  HWND AccentField() const { return accentField_; }          // acolor
  HWND FontColourField() const { return fontColourField_; }  // fcolor

 private:
  void OnButton(int id) override;
  void OnDefaultAction() override { Make(); }
  void OnSystemClose() override { Cancel(); }
  StyleFields Fields() const;
  void EmptyFields();
  void Make();
  void Cancel();
  void Leave(bool made);

  StyleMakerParts parts_;
  HWND nameField_ = nullptr;
  HWND asciiField_ = nullptr;
  HWND accentField_ = nullptr;
  HWND fontColourField_ = nullptr;
};

}  // namespace sonorix
