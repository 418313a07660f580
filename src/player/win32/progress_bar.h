// The progress bar and its timer: the bar that follows the playing song, and the
// press on it that seeks.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/settings.h"
#include "player/media_player.h"
#include "player/progress.h"
#include "ui/win32/accessible_value.h"
#include "ui/win32/window.h"

namespace sonorix {

class ProgressBar final : public Window, public ProgressDisplay {
 public:
  // A press reports its x and the bar's width, in twips, and whether it was
  // the left button.
  using PressHandler = std::function<void(int x, int width, bool left)>;

  ProgressBar(HWND parent, const TwipsBox& box, const Settings& settings, const MediaPlayer& media,
              PressHandler onPress);

  void Start() override;
  void StopAndClear() override;
  bool Running() const { return running_; }
  // Paints the bar as it stands into any DC.
  void PaintContent(HDC dc, const RECT& rect) const override;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static constexpr double kArrowSeconds = 5;

  void OnTick();
  void OnArrow(bool forward);
  int WidthTwips() const;

  const Settings& settings_;
  const MediaPlayer& media_;
  PressHandler onPress_;
  bool running_ = false;
  int fillEnd_ = 0;  // twips; at most 0 draws no bar
  // The position, as a screen reader reads it.
  std::optional<AccessibleValue> spoken_;
  std::optional<Colour> colour_;  // nothing: the preset names no colour, so no fill
};

}  // namespace sonorix
