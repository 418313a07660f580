// The program's own icon in its windows, the tray and the About box, and
// window sizes at the display scale. This test program carries the exe's
// resources (icon, manifest), so it loads and scales as Sonorix.exe does.
#include <gtest/gtest.h>

#include "testutil.h"
#include "ui/win32/program_icon.h"
#include "wine/dialogs.h"
#include "wine/program_fixture.h"
#include "wine/scale.h"

namespace sonorix::testing {
namespace {

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return SIZE{};
  BITMAP bitmap{};
  GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return SIZE{bitmap.bmWidth, bitmap.bmHeight};
}

// The colour at the icon's centre: the notes' white on a blue bubble, where
// the system's application icon has none of it.
COLORREF IconPixel(HICON icon, int x, int y) {
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 64);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  RECT all{0, 0, 64, 64};
  FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  DrawIconEx(memory, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  const COLORREF colour = GetPixel(memory, x, y);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return colour;
}

using ProgramIconTest = ProgramTest;

TEST_F(ProgramIconTest, IsOurOwnDrawingAtTheSystemsSizes) {
  const HICON large = ProgramIcon();
  const HICON small = ProgramSmallIcon();
  EXPECT_NE(large, LoadIcon(nullptr, IDI_APPLICATION));
  EXPECT_EQ(IconSize(large).cx, GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(IconSize(small).cx, GetSystemMetrics(SM_CXSMICON));
  // Top left of the bubble: blue over the black behind it; inside, white notes.
  const COLORREF bubble =
      IconPixel(large, GetSystemMetrics(SM_CXICON) / 8, GetSystemMetrics(SM_CYICON) / 3);
  EXPECT_GT(GetBValue(bubble), 2 * GetRValue(bubble) + 40) << std::hex << bubble;
  const int size = GetSystemMetrics(SM_CXICON);
  const COLORREF stem = IconPixel(large, size * 203 / 256, size * 80 / 256);
  EXPECT_GT(GetRValue(stem), 200) << std::hex << stem;
}

TEST_F(ProgramIconTest, ShowsInThePlayersClassTheTrayAndTheAboutBox) {
  StartWith({{"cbr128.mp3", "a.mp3"}});
  EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(Player(), GCLP_HICON)), ProgramIcon());
  EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(Player(), GCLP_HICONSM)), ProgramSmallIcon());
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(app_->About().Icon(), STM_GETICON, 0, 0)),
            ProgramIcon());
  {
    const MenuDriver closer({VK_ESCAPE});
    Click(L"m&enu");
  }
  ASSERT_NE(app_->ControlPanel(), nullptr);
  app_->ControlPanel()->Choose(MenuEntry::Minimize);
  EXPECT_EQ(app_->Tray().TrayIconData().hIcon, ProgramSmallIcon());
  app_->Tray().TrayRestore(Player());
}

using WindowsAtScale = ProgramTest;

TEST_F(WindowsAtScale, CommandListAndAboutBoxKeepTheirSizesInTwips) {
  StartWith({{"cbr128.mp3", "a.mp3"}});
  ExpectTwipSizeOrLarger(Player(), 2950, 1515, "player");
  app_->CommandList().Show();
  ExpectTwipSize(app_->CommandList().Hwnd(), 2880, 1815, "command list");
  app_->About().Open();
  ExpectTwipSize(app_->About().Hwnd(), 4800, 2400, "About box");
}

}  // namespace
}  // namespace sonorix::testing
