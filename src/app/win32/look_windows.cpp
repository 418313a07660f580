// The control panel and the look windows: made on first use, then kept,
// hidden between uses, so that no window is destroyed inside its own handler.
#include "app/win32/sonorix_app.h"
#include "look/win32/look_helpers.h"
#include "ui/win32/program_icon.h"

namespace sonorix {

// The shared colour dialog lives here, so the preset window may need the
// control panel before any menu was opened.
ControlPanelWindow& SonorixApp::LoadedControlPanel() {
  if (!controlPanelWindow_) {
    controlPanelWindow_ = std::make_unique<ControlPanelWindow>(
        ControlPanelParts{settings_, aol_, modes_, mediaPlayer_, playerWindow_->Songs(),
                          [this](const Preset& preset) { playerWindow_->ApplyPreset(preset); },
                          [this] { Open(LookWindow::Presets); },
                          [this] { Open(LookWindow::Styles); }, [this] { ShowAbout(); },
                          [this](const std::string& tip) {
                            tray_.TrayAdd(ProgramSmallIcon(), tip, playerWindow_->Hwnd());
                          },
                          [this] { Quit(); }});
  }
  return *controlPanelWindow_;
}

std::vector<std::string> SonorixApp::ListIniFiles(const std::string& folder) {
  return sonorix::ListIniFiles(folder);
}

void SonorixApp::ApplyPlayerPreset(const Preset& preset) { playerWindow_->ApplyPreset(preset); }

// Made on first use; null when the system could not make it.
LookFrame* SonorixApp::Made(LookWindow window) {
  if (window == LookWindow::Presets && !presetWindow_) {
    presetWindow_ = std::make_unique<PresetWindow>(PresetWindowParts{
        settings_, aol_, clock_,
        // Owned by the top-most preset window, the picker shows above it.
        [this] { return LoadedControlPanel().CommonDialog().Show(presetWindow_->Hwnd()); },
        [this](const Preset& preset) { playerWindow_->ApplyPreset(preset); },
        [this] { ShowPlayer(); }});
  }
  if (window == LookWindow::Styles && !styleListWindow_) {
    styleListWindow_ = std::make_unique<StyleListWindow>(
        StyleWindowParts{settings_, aol_, [this] { OpenStyleMaker(); }, [this] { ShowPlayer(); }});
  }
  LookFrame* made = Existing(window);
  return made && made->Hwnd() ? made : nullptr;
}

LookFrame* SonorixApp::Existing(LookWindow window) {
  if (window == LookWindow::Presets) return presetWindow_.get();
  if (window == LookWindow::Styles) return styleListWindow_.get();
  return nullptr;
}

bool SonorixApp::IsShown(LookWindow window) {
  if (window == LookWindow::Commands) return commandListWindow_.IsVisible();
  const LookFrame* form = Existing(window);
  return form && form->IsShown();
}

// Hiding the player with nothing shown in its place would leave the user
// no window at all.
void SonorixApp::Open(LookWindow window) {
  if (window == LookWindow::Commands) {
    if (!commandListWindow_.Hwnd()) return;
    ShowWindow(playerWindow_->Hwnd(), SW_HIDE);
    commandListWindow_.Show();
    return;
  }
  if (!Made(window)) return;
  ShowWindow(playerWindow_->Hwnd(), SW_HIDE);
  if (window == LookWindow::Presets) presetWindow_->Open();
  if (window == LookWindow::Styles) styleListWindow_->Open();
}

void SonorixApp::Close(LookWindow window) {
  if (window == LookWindow::Commands) commandListWindow_.Unload();
  if (window == LookWindow::Presets && presetWindow_) presetWindow_->Unload();
  if (window == LookWindow::Styles && styleListWindow_) styleListWindow_->Unload();
  ShowPlayer();
}

void SonorixApp::OpenStyleMaker() {
  if (!styleMakerWindow_) {
    styleMakerWindow_ = std::make_unique<StyleMakerWindow>(
        StyleMakerParts{settings_, aol_, [this](bool made) { BackToStyles(made); }});
  }
  if (styleMakerWindow_->Hwnd()) {
    styleMakerWindow_->Open();
  } else {
    BackToStyles(false);
  }
}

void SonorixApp::BackToStyles(bool refill) {
  if (refill) styleListWindow_->Refill();
  ShowWindow(styleListWindow_->Hwnd(), SW_SHOW);
}

}  // namespace sonorix
