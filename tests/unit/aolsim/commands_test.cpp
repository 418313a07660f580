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
}

TEST(ParseCommand, RefusesUnknownOrMisspelledVerbs) {
  EXPECT_FALSE(Parsed(""));
  EXPECT_FALSE(Parsed("dance"));
  EXPECT_FALSE(Parsed("Say Bob: hi"));
  EXPECT_FALSE(Parsed("signon"));
  EXPECT_FALSE(Parsed(" quit"));
}

TEST(ParseCommand, NamesAreTrimmedAndMustNotBeBlankOrHoldControlCharacters) {
  EXPECT_EQ(Parsed("signon   Dorvin Q  "), Command(SignOn{"Dorvin Q"}));
  EXPECT_EQ(Parsed("room\tLobby\t"), Command(OpenRoom{"Lobby"}));
  EXPECT_FALSE(Parsed("room    "));
  EXPECT_FALSE(Parsed("signon Dor\tvin"));
  EXPECT_FALSE(Parsed("front a\x7F"));
}

TEST(ParseCommand, CommandsWithoutArgumentsRefuseOne) {
  EXPECT_FALSE(Parsed("quit now"));
  EXPECT_FALSE(Parsed("clear all"));
  EXPECT_FALSE(Parsed("signoff Dorvin"));
  EXPECT_EQ(Parsed("quit  "), Command(Quit{}));
}

TEST(ParseCommand, SaySplitsAtTheFirstColonAndKeepsTheTextAsGiven) {
  EXPECT_EQ(Parsed("say Marla Vee: <b>anyone?</b>"), Command(Say{"Marla Vee", "<b>anyone?</b>"}));
  EXPECT_EQ(Parsed("say Kestrel: hey <font color=#008800>:)</font>"),
            Command(Say{"Kestrel", "hey <font color=#008800>:)</font>"}));
  EXPECT_EQ(Parsed("say Bob:x"), Command(Say{"Bob", "x"}));
  EXPECT_EQ(Parsed("say Bob:   spaced  "), Command(Say{"Bob", "  spaced  "}));
}

TEST(ParseCommand, SayNeedsANameAColonAndText) {
  EXPECT_FALSE(Parsed("say Bob hi"));
  EXPECT_FALSE(Parsed("say : hi"));
  EXPECT_FALSE(Parsed("say Bob:"));
  EXPECT_FALSE(Parsed("say Bob: "));
}

TEST(ParseCommand, TypeTakesTheRestAfterTheSeparatingBlanks) {
  EXPECT_EQ(Parsed("type   <b>hi</b> there  "), Command(Type{"<b>hi</b> there  "}));
  EXPECT_EQ(Parsed("type"), Command(Type{""}));
  EXPECT_EQ(Parsed("type \xC2\xBB \xC3\xB8"), Command(Type{"\xC2\xBB \xC3\xB8"}));
}

TEST(ParseCommand, NoCommandSpansLinesOrHoldsNul) {
  EXPECT_FALSE(Parsed("type a\r\nquit"));
  EXPECT_FALSE(Parsed("say Bob: a\nb"));
  EXPECT_FALSE(Parsed(std::string_view("type a\0b", 8)));
}

TEST(ParseCommand, WaitAndHangTakeNonNegativeSecondsWithFractions) {
  EXPECT_EQ(Parsed("wait 0.25"), Command(Wait{milliseconds(250)}));
  EXPECT_EQ(Parsed("wait 0"), Command(Wait{milliseconds(0)}));
  EXPECT_EQ(Parsed("wait 1.0005"), Command(Wait{milliseconds(1001)}));
  EXPECT_EQ(Parsed("hang  0.5 "), Command(Hang{milliseconds(500)}));
  EXPECT_EQ(Parsed("hang 3600"), Command(Hang{milliseconds(3600000)}));
  for (const char* bad : {"wait", "wait -1", "wait 1s", "wait nan", "wait inf", "wait 1e9", "hang",
                          "hang -2", "hang 4 s", "hang 3601", "Hang 4"}) {
    EXPECT_FALSE(Parsed(bad)) << bad;
  }
}

TEST(ParseLineLimit, TakesWholeNumbersFromOneToTheCeiling) {
  EXPECT_EQ(ParseLineLimit("1"), 1u);
  EXPECT_EQ(ParseLineLimit("1000000"), 1000000u);
  for (const char* bad : {"", "0", "-5", "+5", "5 ", "1000001", "99999999999999999999999", "1.5"}) {
    EXPECT_FALSE(ParseLineLimit(bad)) << bad;
  }
  EXPECT_FALSE(Parsed("maxlines 0"));
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
}

TEST(ParseScript, EmptyScriptHasNoCommands) {
  const Script script = ParseScript("");
  EXPECT_FALSE(script.badLine);
  EXPECT_TRUE(script.commands.empty());
}

}  // namespace
}  // namespace sonorix::aolsim
