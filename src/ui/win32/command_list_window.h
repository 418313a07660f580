// The command list window: the chat commands with one line of help each.
#pragma once

#include <functional>

#include "core/settings.h"
#include "ui/win32/control_frame.h"
#include "ui/win32/window.h"

namespace sonorix {

// Made once and hidden; loading gives it the look of the preset current at
// that moment, and only the next load after an unload looks again.
class CommandListWindow final : public Window {
 public:
  // Called when the window is closed by the system (Alt+F4) rather than by
  // the hide command, so the owner can bring the player window back.
  using CloseHandler = std::function<void()>;

  // settings outlive the window.
  CommandListWindow(const Settings& settings, CloseHandler onClose);

  // The load routine: size, top-most, preset colours. Runs once per load;
  // never shows the window.
  void Load();
  bool IsLoaded() const { return loaded_; }
  // Loads if needed and shows the window beside the others.
  void Show();
  bool IsVisible() const;
  // Hides the window; the next load reads the preset again.
  void Unload();

  // The item count of the command list; reading it loads the window, hidden.
  int ListCount();

  TitleStrip& Strip() { return frame_.Strip(); }
  HWND StripLabel() const { return frame_.StripLabel(); }
  ListBox& List() { return *frame_.List(); }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();

  const Settings& settings_;
  CloseHandler onClose_;
  ControlFrame frame_;
  bool loaded_ = false;
};

}  // namespace sonorix
