// Window sizes at the display scale a test run was given.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace sonorix::testing {

// The DPI installer_test.sh set in the Wine prefix; Wine's own 96 otherwise.
inline int TestDpi() {
  const char* dpi = std::getenv("SONORIX_TEST_DPI");
  return dpi != nullptr ? std::atoi(dpi) : 96;
}

// A window sized in twips covers this many pixels at the test's scale, frame included.
inline void ExpectTwipSize(HWND window, int widthTwips, int heightTwips, const char* what) {
  ASSERT_NE(window, nullptr) << what;
  RECT rect{};
  GetWindowRect(window, &rect);
  const int dpi = TestDpi();
  EXPECT_EQ(rect.right - rect.left, (widthTwips * dpi + 720) / 1440)
      << what << " at " << dpi << " DPI";
  EXPECT_EQ(rect.bottom - rect.top, (heightTwips * dpi + 720) / 1440)
      << what << " at " << dpi << " DPI";
}

// A window whose controls grow where the system's font needs more room than
// the twips give: at least the size in twips.
inline void ExpectTwipSizeOrLarger(HWND window, int widthTwips, int heightTwips, const char* what) {
  ASSERT_NE(window, nullptr) << what;
  RECT rect{};
  GetWindowRect(window, &rect);
  const int dpi = TestDpi();
  EXPECT_GE(rect.right - rect.left, (widthTwips * dpi + 720) / 1440)
      << what << " at " << dpi << " DPI";
  EXPECT_GE(rect.bottom - rect.top, (heightTwips * dpi + 720) / 1440)
      << what << " at " << dpi << " DPI";
}

}  // namespace sonorix::testing
