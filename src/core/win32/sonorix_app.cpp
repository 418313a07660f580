#include "core/win32/sonorix_app.h"

#include "core/win32/Form4.h"
#include "core/win32/stay_on_top.h"

namespace sonorix {

namespace {

bool QuitRequested() {
  MSG message;
  return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

}  // namespace

SonorixApp::SonorixApp(std::string programFolder)
    : settings_(store_, std::move(programFolder)), mediaPlayer1_([this] {
        if (form1_) form1_->EndOfSong();
      }) {}

SonorixApp::~SonorixApp() = default;

bool SonorixApp::Start() {
  {
    Form4 splash;
    splash.Run(clock_);
  }
  if (QuitRequested()) return false;
  form1_ = std::make_unique<Form1>(
      Form1Parts{settings_, aol_, mediaPlayer1_, clock_, random_, modes_, {}});
  form1_->Load();
  ShowWindow(form1_->Hwnd(), SW_SHOW);
  StayOnTop(form1_->Hwnd());
  return !QuitRequested();
}

int SonorixApp::Run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (form1_ && IsDialogMessageW(form1_->Hwnd(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace sonorix
