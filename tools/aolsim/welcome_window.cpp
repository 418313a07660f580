#include "aolsim/welcome_window.h"

#include <algorithm>

#include "aolsim/window_classes.h"
#include "aolsim/window_support.h"

namespace sonorix::aolsim {

namespace {

constexpr int kFirstControlId = 201;
constexpr int kMargin = 12;
constexpr int kGlyphSize = 64;
constexpr int kIconWidth = 96;
constexpr int kIconHeight = 28;

}  // namespace

std::string WelcomeCaption(std::string_view name) { return "Welcome, " + std::string(name) + "!"; }

bool WelcomeWindow::CreateControls(HWND window) {
  controls_[kIcon] = CreateChild(window, kIconClass, "Read Mail", 0, kFirstControlId + kIcon);
  controls_[kGlyph] = CreateChild(window, kGlyphClass, "", 0, kFirstControlId + kGlyph);
  controls_[kText] = CreateChild(window, kStaticTextClass,
                                 "You are signed on. Open a chat room to talk with other members.",
                                 0, kFirstControlId + kText);
  return std::find(controls_.begin(), controls_.end(), nullptr) == controls_.end();
}

void WelcomeWindow::Layout(int width, int height) {
  const int textLeft = kMargin * 2 + kGlyphSize;
  MoveWindow(controls_[kGlyph], kMargin, kMargin, kGlyphSize, kGlyphSize, TRUE);
  MoveWindow(controls_[kText], textLeft, kMargin, std::max(width - textLeft - kMargin, 0),
             kGlyphSize, TRUE);
  MoveWindow(controls_[kIcon], kMargin, std::max(height - kMargin - kIconHeight, 0), kIconWidth,
             kIconHeight, TRUE);
}

}  // namespace sonorix::aolsim
