// The control panel and the look windows: made on first use, then kept,
// hidden between uses, so that no window is destroyed inside its own handler.
#include "app/win32/sonorix_app.h"
#include "look/win32/look_helpers.h"
#include "ui/win32/program_icon.h"

namespace sonorix {

// The shared colour dialog lives here, so the preset window may need the
// control panel before any menu was opened.
Form3& SonorixApp::LoadedControlPanel() {
  if (!form3_) {
    form3_ = std::make_unique<Form3>(
        ControlPanelParts{settings_, aol_, modes_, mediaPlayer1_, form1_->File1(),
                          [this](const Preset& preset) { form1_->ApplyPreset(preset); },
                          [this] { Open(LookWindow::Presets); },
                          [this] { Open(LookWindow::Styles); }, [this] { ShowAbout(); },
                          [this](const std::string& tip) {
                            tray_.TrayAdd(ProgramSmallIcon(), tip, form1_->Hwnd());
                          }});
  }
  return *form3_;
}

std::vector<std::string> SonorixApp::ListIniFiles(const std::string& folder) {
  return sonorix::ListIniFiles(folder);
}

void SonorixApp::ApplyPlayerPreset(const Preset& preset) { form1_->ApplyPreset(preset); }

// Made on first use; null when the system could not make it.
LookForm* SonorixApp::Made(LookWindow window) {
  if (window == LookWindow::Presets && !form2_) {
    form2_ = std::make_unique<Form2>(PresetWindowParts{
        settings_, aol_, clock_,
        // Owned by the top-most preset window, the picker shows above it.
        [this] { return LoadedControlPanel().CommonDialog().Show(form2_->Hwnd()); },
        [this](const Preset& preset) { form1_->ApplyPreset(preset); }, [this] { ShowPlayer(); }});
  }
  if (window == LookWindow::Styles && !form5_) {
    form5_ = std::make_unique<Form5>(
        StyleWindowParts{settings_, aol_, [this] { OpenStyleMaker(); }, [this] { ShowPlayer(); }});
  }
  LookForm* made = Existing(window);
  return made && made->Hwnd() ? made : nullptr;
}

LookForm* SonorixApp::Existing(LookWindow window) {
  if (window == LookWindow::Presets) return form2_.get();
  if (window == LookWindow::Styles) return form5_.get();
  return nullptr;
}

bool SonorixApp::IsShown(LookWindow window) {
  if (window == LookWindow::Commands) return form7_.IsVisible();
  const LookForm* form = Existing(window);
  return form && form->IsShown();
}

// Hiding the player with nothing shown in its place would leave the user
// no window at all.
void SonorixApp::Open(LookWindow window) {
  if (window == LookWindow::Commands) {
    if (!form7_.Hwnd()) return;
    ShowWindow(form1_->Hwnd(), SW_HIDE);
    form7_.Show();
    return;
  }
  if (!Made(window)) return;
  ShowWindow(form1_->Hwnd(), SW_HIDE);
  if (window == LookWindow::Presets) form2_->Open();
  if (window == LookWindow::Styles) form5_->Open();
}

void SonorixApp::Close(LookWindow window) {
  if (window == LookWindow::Commands) form7_.Unload();
  if (window == LookWindow::Presets && form2_) form2_->Unload();
  if (window == LookWindow::Styles && form5_) form5_->Unload();
  ShowPlayer();
}

void SonorixApp::OpenStyleMaker() {
  if (!form6_) {
    form6_ = std::make_unique<Form6>(StyleMakerParts{settings_, aol_, [this] { BackToStyles(); }});
  }
  if (form6_->Hwnd()) {
    form6_->Open();
  } else {
    BackToStyles();
  }
}

void SonorixApp::BackToStyles() {
  form5_->Refill();
  ShowWindow(form5_->Hwnd(), SW_SHOW);
}

}  // namespace sonorix
