// The result window of a song search: lists the matches; a double-click
// on one plays it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/settings.h"
#include "ui/win32/control_frame.h"
#include "ui/win32/window.h"

namespace sonorix {

class MatchListWindow final : public Window {
 public:
  using PickHandler = std::function<void(const std::string& picked)>;
  // Called when the window goes away without a pick.
  using CloseHandler = std::function<void()>;

  // When the system makes no window, Hwnd() is null and nothing else may
  // be called.
  MatchListWindow(PickHandler onPick, CloseHandler onClose);

  // Loading: colours from the current preset, above all other windows.
  void Load(const Preset& preset);
  void AddMatches(const std::vector<std::string>& matches);
  std::vector<std::string> Matches() const;
  // Empties the list and hides the window until the next search.
  void Unload();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnDoubleClick();

  PickHandler onPick_;
  CloseHandler onClose_;
  ControlFrame frame_;
  ListBox* matchList_ = nullptr;
};

}  // namespace sonorix
