#include "aolsim/commands.h"

#include <gtest/gtest.h>

namespace sonorix::aolsim {
namespace {

using std::chrono::milliseconds;

std::optional<Command> Parsed(std::string_view line) { return ParseCommand(line); }

TEST(ParseCommand, ReadsEveryVerb) {
  EXPECT_EQ(Parsed("signon Dorvin Q"), Command(SignOn{"Dorvin Q"}));
  EXPECT_EQ(Parsed("signoff"), Command(SignOff{}));
  EXPECT_EQ(Parsed("room Sonorix Lounge"), Command(OpenRoom{"Sonorix Lounge"}));
  EXPECT_EQ(Parsed("closeroom Lobby"), Command(CloseRoom{"Lobby"}));
  EXPECT_EQ(Parsed("front Lobby"), Command(FrontRoom{"Lobby"}));
  EXPECT_EQ(Parsed("say Bob: hi"), Command(Say{"Bob", "hi"}));
  EXPECT_EQ(Parsed("type hello"), Command(Type{"hello"}));
  EXPECT_EQ(Parsed("clear"), Command(Clear{}));
  EXPECT_EQ(Parsed("maxlines 50"), Command(MaxLines{50}));
  EXPECT_EQ(Parsed("dump C:\\t.txt"), Command(Dump{"C:\\t.txt"}));
  EXPECT_EQ(Parsed("wait 2"), Command(Wait{milliseconds(2000)}));
  EXPECT_EQ(Parsed("hang 4"), Command(Hang{milliseconds(4000)}));
  EXPECT_EQ(Parsed("quit"), Command(Quit{}));
  EXPECT_EQ(Parsed("ignore mail"), Command(Ignore{"mail"}));
  EXPECT_EQ(Parsed("transfer big song.mp3"), Command(Transfer{"big song.mp3"}));
}

TEST(ParseCommand, TrimsNamesAndRefusesEveryMalformedLine) {
  EXPECT_EQ(Parsed("signon   Dorvin Q  "), Command(SignOn{"Dorvin Q"}));
  EXPECT_EQ(Parsed("room\tLobby\t"), Command(OpenRoom{"Lobby"}));
  EXPECT_EQ(Parsed("quit  "), Command(Quit{}));
  for (const std::string_view bad : {"",
                                     "dance",
                                     "ignore",
                                     "ignore chat",
                                     "transfer",
                                     "Say Bob: hi",
                                     "signon",
                                     " quit",
                                     "room    ",
                                     "signon Dor\tvin",
                                     "front a\x7F",
                                     "quit now",
                                     "clear all",
                                     "signoff Dorvin",
                                     "say Bob hi",
                                     "say : hi",
                                     "say Bob:",
                                     "say Bob: ",
                                     "type a\r\nquit",
                                     "say Bob: a\nb",
                                     "wait",
                                     "wait -1",
                                     "wait 1s",
                                     "wait nan",
                                     "wait inf",
                                     "wait 1e9",
                                     "maxlines 0"}) {
    EXPECT_FALSE(Parsed(bad)) << bad;
  }
  EXPECT_FALSE(Parsed(std::string_view("type a\0b", 8))) << "no NUL";
}

TEST(ParseCommand, SaySplitsAtTheFirstColonAndKeepsTheTextAsGiven) {
  EXPECT_EQ(Parsed("say Marla Vee: <b>anyone?</b>"), Command(Say{"Marla Vee", "<b>anyone?</b>"}));
  EXPECT_EQ(Parsed("say Kestrel: hey <font color=#008800>:)</font>"),
            Command(Say{"Kestrel", "hey <font color=#008800>:)</font>"}));
  EXPECT_EQ(Parsed("say Bob:x"), Command(Say{"Bob", "x"}));
  EXPECT_EQ(Parsed("say Bob:   spaced  "), Command(Say{"Bob", "  spaced  "}));
}

TEST(ParseCommand, TypeTakesTheRestAfterTheSeparatingBlanks) {
  EXPECT_EQ(Parsed("type   <b>hi</b> there  "), Command(Type{"<b>hi</b> there  "}));
  EXPECT_EQ(Parsed("type"), Command(Type{""}));
  EXPECT_EQ(Parsed("type \xC2\xBB \xC3\xB8"), Command(Type{"\xC2\xBB \xC3\xB8"}));
}

TEST(ParseCommand, WaitAndHangTakeNonNegativeSecondsWithFractions) {
  EXPECT_EQ(Parsed("wait 0.25"), Command(Wait{milliseconds(250)}));
  EXPECT_EQ(Parsed("wait 0"), Command(Wait{milliseconds(0)}));
  EXPECT_EQ(Parsed("wait 1.0005"), Command(Wait{milliseconds(1001)}));
  EXPECT_EQ(Parsed("hang  0.5 "), Command(Hang{milliseconds(500)}));
  EXPECT_EQ(Parsed("hang 3600"), Command(Hang{milliseconds(3600000)}));
  for (const char* bad : {"hang", "hang -2", "hang 4 s", "hang 3601", "Hang 4"}) {
    EXPECT_FALSE(Parsed(bad)) << bad;
  }
}

TEST(ParseLineLimit, TakesWholeNumbersFromOneToTheCeiling) {
  EXPECT_EQ(ParseLineLimit("1"), 1u);
  EXPECT_EQ(ParseLineLimit("1000000"), 1000000u);
  for (const char* bad : {"", "0", "-5", "+5", "5 ", "1000001", "99999999999999999999999", "1.5"}) {
    EXPECT_FALSE(ParseLineLimit(bad)) << bad;
  }
}

TEST(ParseScript, SkipsBlankAndCommentLinesAndReadsCrLf) {
  const Script script = ParseScript(
      "\xEF\xBB\xBF# greeting\r\n\r\nsay Kestrel: hey\r\n  wait 1\n   \n# done\ntype x");
  ASSERT_FALSE(script.badLine);
  EXPECT_EQ(script.commands,
            (std::vector<Command>{Say{"Kestrel", "hey"}, Wait{milliseconds(1000)}, Type{"x"}}));
}

TEST(ParseScript, RefusesTheWholeScriptAndNamesTheFirstBadLine) {
  const Script script = ParseScript("say Bob: hi\n\nsya Bob: typo\nquit now\n");
  EXPECT_EQ(script.badLine, 3u);
  EXPECT_TRUE(script.commands.empty());
  EXPECT_FALSE(ParseScript("").badLine);
  EXPECT_TRUE(ParseScript("").commands.empty());
}

}  // namespace
}  // namespace sonorix::aolsim
