#include <gtest/gtest.h>

#include <chrono>

#include "aol/win32/code_page.h"
#include "chattext/announcements.h"
#include "core/win32/message_pump.h"
#include "core/win32/sonorix_app.h"
#include "testutil.h"
#include "wine/aolsim_process.h"
#include "wine/program_folder.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using namespace sonorix::testing;

const Style kStyle{"sonorix", "sonorix", kTestAcolor, kTestAscii, kTestFcolor};

bool Pump(const std::function<bool()>& predicate, std::chrono::milliseconds timeout) {
  return WaitUntil(predicate, timeout, [] { PumpPendingMessages(); });
}

// The colour on screen a few pixels into the progress bar.
COLORREF BarPixel(HWND player) {
  const HWND bar = FindWindowExW(player, nullptr, L"Sonorix Progress", nullptr);
  RECT rect{};
  GetWindowRect(bar, &rect);
  const HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, rect.left + 2, (rect.top + rect.bottom) / 2);
  ReleaseDC(nullptr, screen);
  return pixel;
}

class PlayerWindowTest : public ::testing::Test {
 protected:
  void StartWith(const std::vector<std::pair<std::string, std::string>>& songs) {
    ASSERT_TRUE(client_.Started());
    folder_ = std::make_unique<ProgramFolder>(MakeMusicFolder(songs));
    app_ = std::make_unique<SonorixApp>(folder_->Path());
    ASSERT_TRUE(app_->Start());
    ASSERT_TRUE(Pump([&] { return client_.SentLines().size() == 2; }, 10s));
  }

  void Click(const wchar_t* caption) {
    SendMessageW(FindWindowExW(Player(), nullptr, L"Button", caption), BM_CLICK, 0, 0);
  }
  HWND Player() { return app_->Player()->Hwnd(); }
  std::string Line(std::size_t index) { return AnsiToUtf8(client_.SentLines().at(index)); }

  AolSimProcess client_{"--name Dorvin --room Lobby"};
  std::unique_ptr<ProgramFolder> folder_;
  std::unique_ptr<SonorixApp> app_;
};

TEST_F(PlayerWindowTest, RandomPlaysARealSongAndStopClearsTheBar) {
  StartWith({{"cbr128.mp3", "Love Song.mp3"}});
  Click(L"random");
  ASSERT_TRUE(Pump([&] { return client_.SentLines().size() == 3; }, 10s));
  EXPECT_EQ(Line(2), RandomAnnouncement(kStyle, 0, "Love Song.mp3"));
  ASSERT_TRUE(Pump([&] { return BarPixel(Player()) == kTestButtonColour; }, 10s))
      << "the bar grows in the preset's button colour";

  Click(L"stop");
  ASSERT_TRUE(Pump([&] { return client_.SentLines().size() == 4; }, 10s));
  EXPECT_EQ(Line(3), StopAnnouncement(kStyle, "Love Song.mp3"));
  EXPECT_TRUE(Pump([&] { return BarPixel(Player()) == GetSysColor(COLOR_BTNFACE); }, 5s));
}

TEST_F(PlayerWindowTest, AutoRandomStartsAndAnnouncesTheNextSongAtTheEnd) {
  StartWith({{"cbr128.mp3", "three.mp3"}});
  app_->Modes().SetAutoRandomCaption(kAutoRandomOn);
  Click(L"random");
  const auto started = std::chrono::steady_clock::now();
  ASSERT_TRUE(Pump([&] { return client_.SentLines().size() == 4; }, 20s));
  EXPECT_GT(std::chrono::steady_clock::now() - started, 2s) << "the song really played";
  EXPECT_EQ(Line(3), EndOfSongRandomAnnouncement(kStyle, "three.mp3"));
}

TEST_F(PlayerWindowTest, PlayButtonAnnouncesTheSelectedSongWithoutTrailingBlank) {
  StartWith({{"cbr128.mp3", "a.mp3"}, {"mono.mp3", "b.mp3"}});
  app_->Player()->File1().Select(1);
  Click(L"play");
  ASSERT_TRUE(Pump([&] { return client_.SentLines().size() == 3; }, 10s));
  EXPECT_EQ(Line(2), PlayAnnouncement(kStyle, PlayWord::Button, 1, "b.mp3"));
}

TEST_F(PlayerWindowTest, ANameOutsideTheClientsCodePageIsListedPlayedAndAnnouncedAsBestItCan) {
  StartWith({{"cbr128.mp3", "Bj\xC3\xB6rk \xE4\xB8\xAD.mp3"}});  // Björk 中.mp3
  EXPECT_EQ(app_->Player()->File1().Name(0), "Bj\xC3\xB6rk \xE4\xB8\xAD.mp3");
  app_->Player()->File1().Select(0);
  Click(L"play");
  ASSERT_TRUE(Pump([&] { return client_.SentLines().size() == 3; }, 10s));
  EXPECT_EQ(client_.SentLines()[2],
            Utf8ToAnsi(PlayAnnouncement(kStyle, PlayWord::Button, 0, "Bj\xC3\xB6rk ?.mp3")));
  EXPECT_TRUE(Pump([&] { return BarPixel(Player()) == kTestButtonColour; }, 10s)) << "it plays";
}

TEST_F(PlayerWindowTest, CloseSendsTheClosingLinesAndEndsTheLoop) {
  StartWith({{"cbr128.mp3", "a.mp3"}});
  Click(L"&close");
  ASSERT_TRUE(Pump([&] { return client_.SentLines().size() == 4; }, 10s));
  EXPECT_EQ(Line(2), ClosingBanner(kStyle));
  EXPECT_EQ(Line(3), SummaryLine(kStyle, 1, "default", "sonorix"));
  EXPECT_EQ(app_->Run(), 0) << "the loop ends at once";
}

}  // namespace
}  // namespace sonorix
