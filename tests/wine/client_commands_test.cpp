#include <gtest/gtest.h>

#include <chrono>

#include "testutil.h"
#include "wine/program_fixture.h"

namespace sonorix {
namespace {

using namespace std::chrono_literals;
using namespace sonorix::testing;

const std::string kNarrow = Narrow(kTestStyle, "");
const std::string kCondensed = Condensed(kTestStyle, "");

HWND Frame() { return FindWindowA("AOL Frame25", nullptr); }

HWND Document(const char* caption) {
  return FindWindowExA(FindWindowExA(Frame(), nullptr, "MDIClient", nullptr), nullptr, "AOL Child",
                       caption);
}

std::string Caption(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

class ClientCommandsTest : public ProgramTest {
 protected:
  void SetUp() override { StartWith({{"cbr128.mp3", "Another Day.mp3"}}); }
};

TEST_F(ClientCommandsTest, AwayCommandsAreAnsweredByteForByte) {
  EXPECT_EQ(Replies("idle lunch", 1), Lines{kNarrow + "gøin i<u>d</u>lé, lunch"});
  EXPECT_EQ(Replies("idle again", 0), Lines{});
  EXPECT_EQ(Replies("brb", 1), Lines{kCondensed + "bé right báck..."});
  EXPECT_EQ(Replies("brb Tea", 1),
            Lines{kCondensed + "brb yo... › <FONT COLOR=#" + kTestAcolor + ">Téá"});
  EXPECT_EQ(Replies("xidle", 1), Lines{kNarrow + "Idlé Bøt <FONT COLOR=#" + kTestAcolor +
                                       ">ø<font color=#" + kTestFcolor + ">ff"});
  EXPECT_EQ(Replies("xidle", 0), Lines{});
}

TEST_F(ClientCommandsTest, KeywordAndCaptionReachTheClient) {
  EXPECT_EQ(Replies("kw Music Chat", 1),
            Lines{kCondensed + "keyword › <FONT COLOR=#" + kTestAcolor + ">Music Chat"});
  EXPECT_TRUE(Pump([] { return Document("Keyword: Music Chat") != nullptr; }, 10s));
  EXPECT_EQ(Replies("aocap My Own Client", 1),
            Lines{kCondensed + "néw cáptiøn › <u>My Own Cliént</u>"});
  EXPECT_EQ(Caption(Frame()), "My Own Client");
}

// Each refusal is answered in the room and its box pressed once, so it is
// gone; a room the client lets in gets only the first line.
TEST_F(ClientCommandsTest, PrivateRoomRefusalsAreToldAndTheirBoxClosed) {
  const std::string room = " <FONT COLOR=#" + std::string(kTestFcolor);
  const struct {
    const char* room;
    std::string answer;
  } cases[] = {
      {"hopper", kCondensed + "reached › <FONT COLOR=#" + kTestAcolor + ">rate limits"},
      {"forbidden", kCondensed + "private room › <FONT COLOR=#" + kTestAcolor + ">forbidden" +
                        room + ">is not allowed"},
      {"crowded",
       kCondensed + "private room › <FONT COLOR=#" + kTestAcolor + ">crowded" + room + ">is full"},
      {"bad*name", kCondensed + "private room › <FONT COLOR=#" + kTestAcolor + ">bad*name" + room +
                       ">is invalid"},
  };
  for (const auto& c : cases) {
    const std::string entering =
        kCondensed + "entering › <FONT COLOR=#" + kTestAcolor + ">" + c.room;
    EXPECT_EQ(Replies(std::string("pr ") + c.room, 2), (Lines{entering, c.answer}));
    EXPECT_TRUE(Pump([] { return !FindWindowA("#32770", "America Online"); }, 10s)) << c.room;
  }
  EXPECT_EQ(Replies("pr Back Room", 1),
            Lines{kCondensed + "entering › <FONT COLOR=#" + kTestAcolor + ">Back Room"});
  EXPECT_NE(Document("Back Room"), nullptr);
}

TEST_F(ClientCommandsTest, MailAndInstantMessagesAreDrivenInTheClient) {
  const struct {
    const char* command;
    std::string line;
    const char* page;
  } mails[] = {
      {"nmail", kCondensed + "viéwing <u>néw</u> spám", "New Mail"},
      {"omail", kCondensed + "viéwing <u>øld</u> spám", "Old Mail"},
      {"smail", kCondensed + "viéwing <u>sént</u> spám", "Sent Mail"},
  };
  for (const auto& mail : mails) {
    EXPECT_EQ(Replies(mail.command, 1), Lines{mail.line});
    EXPECT_TRUE(Pump(
        [&] {
          const HWND tabs = FindWindowExA(Document("Mailbox"), nullptr, "_AOL_TabControl", nullptr);
          return IsWindowVisible(FindWindowExA(tabs, nullptr, "_AOL_TabPage", mail.page)) != FALSE;
        },
        10s))
        << mail.command;
  }
  const HWND toolbar = FindWindowExA(FindWindowExA(Frame(), nullptr, "AOL Toolbar", nullptr),
                                     nullptr, "_AOL_Toolbar", nullptr);
  const HWND imIcon = FindWindowExA(toolbar, nullptr, "_AOL_Icon", "4");
  EXPECT_EQ(Replies("imsoff", 1),
            Lines{kCondensed + "instánt mésságés › <FONT COLOR=#" + kTestAcolor + "><u>øff</u>"});
  EXPECT_TRUE(Pump([&] { return Caption(imIcon) == "IM off"; }, 10s));
  EXPECT_TRUE(Pump(
      [] { return !FindWindowA("#32770", "America Online") && !Document("Send Instant Message"); },
      10s))
      << "the answer and the message window are closed";
  EXPECT_EQ(Replies("imson", 1),
            Lines{kCondensed + "instánt mésságés › <FONT COLOR=#" + kTestAcolor + "><u>øn</u>"});
  EXPECT_TRUE(Pump([&] { return Caption(imIcon) == "IM on"; }, 10s));
}

// Told to open no instant message window and no mail box, the client leaves
// each command to its bound; the room is told each did not work, never that
// it did, and the next command is answered.
TEST_F(ClientCommandsTest, WindowsTheClientNeverOpensCostOnlyTheirBound) {
  ASSERT_TRUE(client_.Command("ignore im"));
  ASSERT_TRUE(client_.Command("ignore mail"));
  const std::size_t before = Sent().size();
  ASSERT_TRUE(client_.Command("type imson"));
  ASSERT_TRUE(client_.Command("type nmail"));
  ASSERT_TRUE(client_.Command("type brb"));
  ASSERT_TRUE(Pump([&] { return Sent().size() >= before + 7; }, 60s));
  const Lines sent = Sent();
  EXPECT_EQ(sent[before + 3], kCondensed + "érør › instánt mésságés did nøt wørk");
  EXPECT_EQ(sent[before + 4], kCondensed + "viéwing <u>néw</u> spám");
  EXPECT_EQ(sent[before + 5], kCondensed + "érør › máil did nøt wørk");
  EXPECT_EQ(sent[before + 6], kCondensed + "bé right báck...");
}

}  // namespace
}  // namespace sonorix
