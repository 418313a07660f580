// The style list: lists the chat text styles, previews one, makes it
// current, deletes styles and opens the style maker.
#pragma once

#include <functional>

#include "aol/aol_client.h"
#include "core/settings.h"
#include "look/win32/look_list_frame.h"

namespace sonorix {

struct StyleWindowParts {
  Settings& settings;
  AolClient& aol;
  // "make": the style maker opens while this window waits, hidden.
  std::function<void()> openMaker;
  // After "&close": the player window comes back.
  std::function<void()> onClosed;
};

class StyleListWindow final : public LookListFrame {
 public:
  explicit StyleListWindow(StyleWindowParts parts);

  // The window's load: size, top-most, the preset's colours, the list
  // filled; then it shows.
  void Open();
  void Unload();
  // The style maker saved a style: the list reads the folder again.
  void Refill();

 private:
  void OnListClick() override;
  void Switch() override;
  void Delete() override;
  void Make() override;
  void Close() override;

  StyleWindowParts parts_;
};

}  // namespace sonorix
