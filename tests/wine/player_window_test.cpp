#include <gtest/gtest.h>

#include <chrono>

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "chattext/program_lines.h"
#include "chattext/song_lines.h"
#include "core/win32/code_page.h"
#include "fakes/fake_player_parts.h"
#include "fakes/memory_settings_store.h"
#include "testutil.h"
#include "wine/canvas.h"
#include "wine/program_fixture.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using namespace sonorix::testing;

const Style& kStyle = kTestStyle;

// The song list's tooltip text.
std::string TipText(SongListBox& list) {
  wchar_t text[1024] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = list.Hwnd();
  tool.uId = reinterpret_cast<UINT_PTR>(list.Hwnd());
  tool.lpszText = text;
  SendMessageW(list.Tip(), TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&tool));
  return WideToUtf8(text);
}

// What the bar's own painting shows at the fraction of its width.
COLORREF PaintedBarPixel(const ProgressBar& bar, double along = 0) {
  RECT client{};
  GetClientRect(bar.Hwnd(), &client);
  const Canvas canvas(client.right, client.bottom);
  bar.PaintContent(canvas.Dc(), client);
  return canvas.Pixel(2 + static_cast<int>(along * client.right), client.bottom / 2);
}

class PlayerWindowTest : public ProgramTest {
 protected:
  COLORREF Bar(double along = 0) const {
    return PaintedBarPixel(app_->Player()->Progress(), along);
  }
};

TEST_F(PlayerWindowTest, RandomPlaysARealSongAndStopClearsTheBar) {
  StartWith({{"cbr128.mp3", "Love Song.mp3"}});
  Click(L"random");
  ASSERT_TRUE(Pump([&] { return Sent().size() == 3; }, 10s));
  EXPECT_EQ(Sent()[2], RandomAnnouncement(kStyle, 0, "Love Song.mp3"));
  EXPECT_EQ(TipText(app_->Player()->Songs()), "Love Song.mp3") << "the tip follows the selection";
  ASSERT_TRUE(Pump([&] { return Bar() == kTestButtonColour; }, 10s))
      << "the bar grows in the preset's button colour";

  Click(L"stop");
  ASSERT_TRUE(Pump([&] { return Sent().size() == 4; }, 10s));
  EXPECT_EQ(Sent()[3], StopAnnouncement(kStyle, "Love Song.mp3"));
  EXPECT_TRUE(Pump([&] { return Bar() == GetSysColor(COLOR_BTNFACE); }, 5s));
}

TEST_F(PlayerWindowTest, AutoRandomStartsAndAnnouncesTheNextSongAtTheEnd) {
  StartWith({{"cbr128.mp3", "three.mp3"}});
  app_->Modes().SetAutoRandomCaption(kAutoRandomOn);
  Click(L"random");
  bool barPassedTwoThirds = false;
  ASSERT_TRUE(Pump(
      [&] {
        const COLORREF pixel = Bar(0.66);
        barPassedTwoThirds = barPassedTwoThirds || pixel == kTestButtonColour;
        return Sent().size() == 4;
      },
      20s));
  EXPECT_TRUE(barPassedTwoThirds) << "the song really played";
  EXPECT_EQ(Sent()[3], EndOfSongRandomAnnouncement(kStyle, "three.mp3"));
  EXPECT_EQ(TipText(app_->Player()->Songs()), "three.mp3");
}

// A name outside the client's code page is listed and played, and announced
// as best the client can show it; close says goodbye and ends the loop.
TEST_F(PlayerWindowTest, PlayButtonAnnouncesTheSelectionWithoutTrailingBlankAndCloseSaysGoodbye) {
  const std::string bjork = "Bj\xC3\xB6rk \xE4\xB8\xAD.mp3";  // Björk 中.mp3
  StartWith({{"cbr128.mp3", "a.mp3"}, {"mono.mp3", "b.mp3"}, {"cbr128.mp3", bjork}});
  app_->Player()->Songs().Select(1);
  Click(L"play");
  ASSERT_TRUE(Pump([&] { return Sent().size() == 3; }, 10s));
  EXPECT_EQ(Sent()[2], PlayAnnouncement(kStyle, PlayWord::Button, 1, "b.mp3"));
  ASSERT_EQ(app_->Player()->Songs().Name(2), bjork);
  app_->Player()->Songs().Select(2);
  Click(L"play");
  ASSERT_TRUE(Pump([&] { return Sent().size() == 4; }, 10s));
  EXPECT_EQ(client_.SentLines()[3],
            Utf8ToAnsi(PlayAnnouncement(kStyle, PlayWord::Button, 2, "Bj\xC3\xB6rk ?.mp3")));
  EXPECT_TRUE(Pump([&] { return Bar() == kTestButtonColour; }, 10s)) << "it plays";

  Click(L"&close");
  ASSERT_TRUE(Pump([&] { return Sent().size() == 6; }, 10s));
  EXPECT_EQ(Sent()[4], ClosingBanner(kStyle));
  EXPECT_EQ(Sent()[5], SummaryLine(kStyle, 3, "default", "sonorix"));
  EXPECT_EQ(app_->Run(), 0) << "the loop ends at once";
}

// As in a list box of strings: a letter goes to the next name that starts
// with it, in either case, round from the top; arrows move as ever.
TEST_F(PlayerWindowTest, ALetterTypedInTheListSelectsTheNextSongStartingWithIt) {
  StartWith({{"cbr128.mp3", "a.mp3"}, {"cbr128.mp3", "b one.mp3"}, {"cbr128.mp3", "B two.mp3"}});
  SongListBox& list = app_->Player()->Songs();
  const auto type = [&](wchar_t key) {
    SendMessageW(list.Hwnd(), WM_CHAR, key, 0);
    return list.Selected();
  };
  EXPECT_EQ(type(L'b'), 1);
  EXPECT_EQ(type(L'B'), 2);
  EXPECT_EQ(type(L'b'), 1) << "round from the top";
  EXPECT_EQ(TipText(list), "b one.mp3");
  EXPECT_EQ(type(L'z'), 1) << "no name starts with it";
  SendMessageW(list.Hwnd(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(list.Selected(), 2);
}

// A window to hold a bar on its own.
class BarHost final : public Window {
 public:
  BarHost() {
    EXPECT_TRUE(
        CreateWindowOfClass(L"Sonorix Test Bar Host", 0, WS_POPUP, RECT{0, 0, 200, 20}, nullptr));
  }
};

TEST(ProgressBar, APresetButtonColourThatIsNoNumberLeavesTheBarUnfilled) {
  MemorySettingsStore store;
  Settings settings(store, "C:\\prog");
  settings.WriteMain(kPresetKey, "night");
  const std::string preset = settings.PresetFile("night");
  FakeMediaPlayer media;
  media.state = PlayState::Playing;
  media.duration = 100;
  media.position = 50;
  BarHost host;
  ProgressBar bar(host.Hwnd(), TwipsBox{0, 0, 3000, 150}, settings, media, [](int, int, bool) {});
  bar.Start();
  for (const char* text : {"", "blue"}) {
    settings.WriteIni("preset", "button", "255", preset);
    ASSERT_TRUE(Pump([&] { return PaintedBarPixel(bar) == RGB(255, 0, 0); }, 5s));
    settings.WriteIni("preset", "button", text, preset);
    EXPECT_TRUE(Pump([&] { return PaintedBarPixel(bar) == GetSysColor(COLOR_BTNFACE); }, 5s))
        << "\"" << text << "\" fills nothing, black neither";
  }
}

}  // namespace
}  // namespace sonorix
