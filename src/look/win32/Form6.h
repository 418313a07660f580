// The style maker: a new chat text style from four typed fields, a preview
// line of it in the room, and its style file.
#pragma once

#include <functional>

#include "aol/quenby_aol8.h"
#include "core/settings.h"
#include "look/look_files.h"
#include "look/win32/look_form.h"

namespace sonorix {

struct StyleMakerParts {
  Settings& settings;
  Aol8& aol;
  // Both ways out: the style list reads its folder again and shows.
  std::function<void()> onDone;
};

class Form6 final : public LookForm {
 public:
  explicit Form6(StyleMakerParts parts);

  // The window's load, with empty fields; announced in the room.
  void Open();

  HWND Text1() const { return text1_; }  // name
  HWND Text2() const { return text2_; }  // ascii
  HWND Text3() const { return text3_; }  // acolor
  HWND Text4() const { return text4_; }  // fcolor

 private:
  void OnButton(int id) override;
  void OnSystemClose() override { Cancel(); }
  StyleFields Fields() const;
  void EmptyFields();
  void Make();
  void Cancel();
  void Leave();

  StyleMakerParts parts_;
  HWND text1_ = nullptr;
  HWND text2_ = nullptr;
  HWND text3_ = nullptr;
  HWND text4_ = nullptr;
};

}  // namespace sonorix
