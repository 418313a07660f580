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

// The pixels a length in twips covers at the test's scale.
inline int TwipsAtTestDpi(int twips) { return (twips * TestDpi() + 720) / 1440; }

// A window sized in twips covers this many pixels at the test's scale, frame included.
inline void ExpectTwipSize(HWND window, int widthTwips, int heightTwips, const char* what) {
  ASSERT_NE(window, nullptr) << what;
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, TwipsAtTestDpi(widthTwips))
      << what << " at " << TestDpi() << " DPI";
  EXPECT_EQ(rect.bottom - rect.top, TwipsAtTestDpi(heightTwips))
      << what << " at " << TestDpi() << " DPI";
}

// A window whose controls grow where the system's font needs more room than
// the twips give: at least the size in twips.
inline void ExpectTwipSizeOrLarger(HWND window, int widthTwips, int heightTwips, const char* what) {
  ASSERT_NE(window, nullptr) << what;
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_GE(rect.right - rect.left, TwipsAtTestDpi(widthTwips))
      << what << " at " << TestDpi() << " DPI";
  EXPECT_GE(rect.bottom - rect.top, TwipsAtTestDpi(heightTwips))
      << what << " at " << TestDpi() << " DPI";
}

}  // namespace sonorix::testing
