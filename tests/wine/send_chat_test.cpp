#include <gtest/gtest.h>

#include <chrono>

#include "aol/aol_client.h"
#include "aol/win32/user32_window_api.h"
#include "chattext/program_lines.h"
#include "core/win32/code_page.h"
#include "testutil.h"
#include "wine/aolsim_process.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using testing::AolSimProcess;
using testing::WaitUntil;

const Style kOrange{"sonorix", "sonorix", "FF9900", "»", "FFFFFF"};

class SendChatTest : public ::testing::Test {
 protected:
  std::string Transcript() { return aol_.GetText(aol_.FindTranscript(aol_.FindChatRoom())); }

  User32WindowApi windows_;
  AolClient aol_{windows_};
};

TEST_F(SendChatTest, BannerReachesTheRoomByteForByte) {
  AolSimProcess client("--name \"Dorvin Q\" --room Lobby");
  ASSERT_TRUE(client.Started());
  ASSERT_EQ(aol_.GetUserSN(), "Dorvin Q");

  aol_.SendChat(StartupBanner(kOrange));

  ASSERT_TRUE(WaitUntil([&] { return !client.SentLines().empty(); }, 10s));
  EXPECT_EQ(client.SentLines().front(),
            "<FONT COLOR=#FF9900><font  face=\"arial narrow\">\xBB <font color=#FFFFFF>"
            "S\xF8n\xF8rix ...  v<FONT COLOR=#FF9900>1.1 <FONT COLOR=#FFFFFF>by D\xF8rvin \x9B "
            "<font color=#FF9900>\xE1<font color=#FFFFFF>ctiv\xE9");
  EXPECT_EQ(Transcript(), "Dorvin Q:\t» Sønørix ...  v1.1 by Dørvin › áctivé\r\n");
}

TEST_F(SendChatTest, LinesGoToTheRoomOnTopMembersAppearUnderTheirNamesAndSignOffEndsTheName) {
  AolSimProcess client("--name Dorvin --room One --room Two");
  ASSERT_TRUE(client.Started());
  ASSERT_TRUE(client.Command("say Bob Smith: <b>hi</b> all"));
  aol_.SendChat("to two");
  ASSERT_TRUE(WaitUntil([&] { return client.SentLines().size() == 1; }, 10s));
  EXPECT_EQ(windows_.Caption(aol_.FindChatRoom()), "Two");
  EXPECT_EQ(Transcript(), "Bob Smith:\thi all\r\nDorvin:\tto two\r\n");

  ASSERT_TRUE(client.Command("front One"));
  aol_.SendChat("to one");
  ASSERT_TRUE(WaitUntil([&] { return client.SentLines().size() == 2; }, 10s));
  EXPECT_EQ(windows_.Caption(aol_.FindChatRoom()), "One");
  EXPECT_EQ(Transcript(), "Dorvin:\tto one\r\n");

  ASSERT_TRUE(client.Command("signoff"));
  EXPECT_EQ(aol_.GetUserSN(), "[not online]") << "the welcome window went with the user";
  EXPECT_TRUE(aol_.FindChatRoom());
}

}  // namespace
}  // namespace sonorix
