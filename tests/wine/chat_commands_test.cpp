#include <gtest/gtest.h>

#include <chrono>

#include "chattext/program_lines.h"
#include "chattext/song_lines.h"
#include "chattext/text_helpers.h"
#include "core/win32/win32_clock.h"
#include "testutil.h"
#include "wine/program_fixture.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using namespace sonorix::testing;

std::string Condensed(const std::string& rest) { return testing::Condensed(kTestStyle, rest); }

class ChatCommandsTest : public ProgramTest {
 protected:
  void SetUp() override {
    StartWith({{"long.mp3", "Another Day.mp3"},
               {"vbr.mp3", "My Song.mp3"},
               {"mono.mp3", "mysong remix.mp3"},
               {"cbr128.mp3", "song three.mp3"}});
  }
};

TEST_F(ChatCommandsTest, OwnCommandsAreAnsweredByteForByte) {
  EXPECT_EQ(Replies("p another", 1),
            Lines{Condensed("pláying › <FONT COLOR=#FF9900><u>Anøthér Dáy.mp3</u>")});
  EXPECT_EQ(Replies("PAUSE", 1),
            Lines{Condensed("páuséd › <FONT COLOR=#FF9900><u>Anøthér Dáy.mp3</u>")});
  EXPECT_EQ(Replies("xpause", 1),
            Lines{Condensed("unpáuséd › <FONT COLOR=#FF9900><u>Anøthér Dáy.mp3</u>")});
  EXPECT_EQ(Replies("v 50", 1), Lines{Condensed("vølumé sét tø › <FONT COLOR=#FF9900>50%")});
  EXPECT_EQ(Replies("ff 1", 1), Lines{Condensed("fást føwárd › 1 séc")});
  EXPECT_EQ(Replies("rr 0:01", 1), Lines{Condensed("réwind › 0:01")});
  EXPECT_EQ(Replies("ff 9:00", 1), Lines{Condensed("érrør › 9:00 is to high")});
  EXPECT_EQ(Replies("songs?", 1),
            Lines{Condensed("mp3 infø › <FONT COLOR=#FF9900>4 <FONT COLOR=#003366>mp3's in "
                            "<FONT COLOR=#FF9900>" +
                            AccentText(music_))});
  EXPECT_EQ(Replies("stop", 1), Lines{StopAnnouncement(kTestStyle, "Another Day.mp3")});
  const Lines time = Replies("time", 1);
  ASSERT_EQ(time.size(), 1u);
  EXPECT_EQ(time[0].rfind(Condensed("currént timé › <FONT COLOR=#FF9900>"), 0), 0u);
}

TEST_F(ChatCommandsTest, SeveralMatchesAreScrolledAndPickedByNumber) {
  const Lines found = Replies("p song", 1);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].rfind(Condensed("føund <b>3</b> mátchés før"), 0), 0u);
  const Lines scrolled = Replies("/scroll", 4);
  ASSERT_EQ(scrolled.size(), 4u);
  EXPECT_EQ(scrolled[0], Condensed("0›  <FONT COLOR=#FF9900>My Søng.mp3"));
  EXPECT_EQ(scrolled[2], Condensed("2›  <FONT COLOR=#FF9900>søng thréé.mp3"));
  EXPECT_EQ(scrolled[3], Condensed("typé › <FONT COLOR=#FF9900> p</a> <FONT COLOR=#003366> ánd "
                                   "0 - 2 or <FONT COLOR=#FF9900>cáncél"));
  EXPECT_EQ(Replies("p 2", 1),
            Lines{Condensed("pláying › <b>3</b> › <FONT COLOR=#FF9900><u>søng thréé.mp3</u>")});
}

TEST_F(ChatCommandsTest, OtherMembersAndLookAlikesAreNeverObeyed) {
  ASSERT_TRUE(client_.Command("say Bob: adv"));
  ASSERT_TRUE(client_.Command("say dorvin q: r"));
  ASSERT_TRUE(client_.Command("say DorvinQ: r"));
  EXPECT_EQ(Replies("time", 1).size(), 1u) << "only the user's own line drew a reply";
  ASSERT_TRUE(client_.Command("signoff"));
  const std::size_t before = Sent().size();
  ASSERT_TRUE(client_.Command("type adv"));
  ASSERT_TRUE(AwaitChatScan());
  EXPECT_EQ(Sent().size(), before + 1) << "no one is obeyed while signed off";
}

TEST_F(ChatCommandsTest, ViewShowsTheResultWindowAndAPickPlaysFromIt) {
  Replies("p song", 1);
  const Lines viewing = Replies("/view", 1);
  ASSERT_EQ(viewing.size(), 1u);
  EXPECT_EQ(viewing[0],
            Condensed("viéwing <b>3</b> mátchés før › <FONT COLOR=#FF9900><u>søng</u>"));
  ASSERT_NE(app_->Results(), nullptr);
  EXPECT_TRUE(IsWindowVisible(app_->Results()->Hwnd()));
  EXPECT_FALSE(IsWindowVisible(app_->Player()->Hwnd()));
  const HWND list = FindWindowExW(app_->Results()->Hwnd(), nullptr, L"ListBox", nullptr);
  SendMessageW(list, LB_SETCURSEL, 1, 0);
  const std::size_t before = Sent().size();
  SendMessageW(app_->Results()->Hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK),
               reinterpret_cast<LPARAM>(list));
  ASSERT_TRUE(Pump([&] { return Sent().size() == before + 1; }, 10s));
  EXPECT_EQ(Sent().back(),
            Condensed("pláying › <b>2</b> › <FONT COLOR=#FF9900><u>mysøng rémix</u>"));
  EXPECT_TRUE(IsWindowVisible(app_->Player()->Hwnd()));
  EXPECT_FALSE(IsWindowVisible(app_->Results()->Hwnd()));
}

TEST_F(ChatCommandsTest, CancelIsAnsweredAtOnceAndEndsAListingInProgress) {
  Replies("p song", 1);
  const std::size_t before = Sent().size();
  ASSERT_TRUE(client_.Command("type /scroll"));
  ASSERT_TRUE(Pump([&] { return Sent().size() == before + 2; }, 10s));
  ASSERT_TRUE(client_.Command("type /cancel"));
  const std::string cancelled = Condensed("multi › <FONT COLOR=#FF9900>cáncéléd");
  ASSERT_TRUE(Pump([&] { return Sent().back() == cancelled; }, 10s));
  // A listing's next line is due on the program's clock a second after the
  // last, which came before the cancel: once that time is past and the
  // program has ticked since, it would be in.
  const Win32Clock clock;
  const double due = clock.Seconds() + 1;
  ASSERT_TRUE(Pump([&] { return clock.Seconds() >= due; }, 10s));
  ASSERT_TRUE(AwaitChatScan());
  EXPECT_EQ(Sent().back(), cancelled) << "no listing line and no prompt after it";
}

TEST_F(ChatCommandsTest, CloseDuringAListingHasTheLastWord) {
  Replies("p song", 1);
  const std::size_t before = Sent().size();
  ASSERT_TRUE(client_.Command("type /scroll"));
  ASSERT_TRUE(Pump([&] { return Sent().size() == before + 2; }, 10s));
  Click(L"&close");
  ASSERT_TRUE(Pump([&] { return Sent().size() >= before + 4; }, 10s));
  // Once the loop has ended nothing of the program runs again, so every
  // line it was ever going to send is in.
  EXPECT_EQ(app_->Run(), 0) << "the loop ends at once";
  const Lines sent = Sent();
  ASSERT_EQ(sent.size(), before + 4);
  EXPECT_EQ(sent[before + 2], ClosingBanner(kTestStyle));
  EXPECT_EQ(sent[before + 3], SummaryLine(kTestStyle, 4, "default", "sonorix"));
}

// A client that keeps only its last two lines trims one off the top for
// each new one. Each command here ("v 11" is as long as "date") pushes out
// the "date" before it, leaving the transcript exactly as long as the
// program last read it, so only its text shows the new line. Each is still
// answered once.
TEST_F(ChatCommandsTest, ATranscriptCappedAtTwoLinesMissesAndRepeatsNoLine) {
  ASSERT_EQ(Replies("p another", 1).size(), 1u);  // the volume is only set while a song plays
  ASSERT_TRUE(client_.Command("maxlines 2"));
  for (int volume = 11; volume <= 14; ++volume) {
    const std::string percent = std::to_string(volume);
    ASSERT_TRUE(AwaitChatScan());
    const std::size_t before = Sent().size();
    ASSERT_TRUE(client_.Command("type v " + percent));
    EXPECT_TRUE(Pump([&] { return Sent().size() > before + 1; }, 15s))
        << "answered with no later line to change the transcript's length";
    EXPECT_EQ(SentBeforeDate(before + 1, "v " + percent),
              Lines{Condensed("vølumé sét tø › <FONT COLOR=#FF9900>" + percent + "%")});
  }
}

// Neither the program's own replies nor, with the decoration "p", every
// reply reading as a "p" command draws another;
// and one that repeats an unclosed "<" shows it as the stand-in shows it.
TEST_F(ChatCommandsTest, RepliesThatReadAsCommandsAreNotObeyed) {
  Replies("adv", 2);
  Replies("p r", 1);
  WritePrivateProfileStringA("styles", "ascii", "p",
                             (folder_->Path() + "\\styles\\sonorix.ini").c_str());
  EXPECT_EQ(Replies("p <x", 1).size(), 1u);
  EXPECT_EQ(Replies("p song", 1).size(), 1u);
  EXPECT_EQ(Replies("/scroll", 4).size(), 4u);
  EXPECT_EQ(Replies("p 0", 1).size(), 1u);
  EXPECT_EQ(Replies("time", 1).size(), 1u) << "no loop of replies goes on";
}

}  // namespace
}  // namespace sonorix
