// The system's dialogs (class "#32770") of this process, found and answered
// from a second thread while the test's thread runs their loops.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace sonorix::testing {

// The visible dialogs of this process.
std::vector<HWND> Dialogs();
// The first visible dialog that is wanted, once there is one; null when
// none came in 30 s or when giving up was asked for first.
HWND WaitForDialog(const std::function<bool(HWND)>& wanted = {},
                   const std::function<bool()>& giveUp = {});
// A message box's text.
std::wstring DialogText(HWND dialog);
// Posts a press of the button; the dialog closes once its loop runs.
void Press(HWND dialog, int button);
// Answers the next colour picker: OK with the colour typed in, or Cancel.
void AnswerColourPicker(int button, COLORREF colour = 0);

// Reads the next pop-up menu's entries ("-" for a separator) and then
// presses the keys in it, from a second thread while the menu's own loop
// runs on the test's thread.
class MenuDriver {
 public:
  explicit MenuDriver(std::vector<WPARAM> keys);
  ~MenuDriver() { thread_.join(); }
  std::vector<std::string> captions;
  int defaultItem = -1;

 private:
  void Drive();
  std::vector<WPARAM> keys_;
  std::thread thread_;
};

}  // namespace sonorix::testing
