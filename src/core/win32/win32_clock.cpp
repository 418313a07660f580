#include "core/win32/win32_clock.h"

#include <windows.h>

#include <chrono>
#include <cmath>

#include "core/win32/code_page.h"
#include "core/win32/message_pump.h"

namespace sonorix {

double Win32Clock::Seconds() const {
  using Seconds = std::chrono::duration<double>;
  return std::chrono::duration_cast<Seconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// A quit request seen here ends every later wait too: the handler that
// waits must not wait out its bound once the program is ending.
void Win32Clock::Pause(double seconds) {
  const double end = Seconds() + seconds;
  while (!WaitsEnded()) {
    if (!PumpPendingMessages()) {
      EndWaits();
      return;
    }
    const double left = end - Seconds();
    if (left <= 0 || WaitsEnded()) return;
    const auto wait = static_cast<DWORD>(std::ceil(left * 1000));
    MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

std::string Win32Clock::ShortDateText() const {
  wchar_t text[128] = {};
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, 128);
  return WideToUtf8(text);
}

std::string Win32Clock::LongTimeText() const {
  wchar_t text[128] = {};
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, 128);
  return WideToUtf8(text);
}

}  // namespace sonorix
