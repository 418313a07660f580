#include "aolsim/commands.h"

#include <gtest/gtest.h>

namespace sonorix::aolsim {
namespace {

using std::chrono::milliseconds;

std::optional<Command> Parsed(std::string_view line) { return ParseCommand(line); }

// Names are trimmed, a said text is kept as given after the first colon,
// a typed one after the separating blanks; waits take fractions.
TEST(ParseCommand, ReadsEveryVerbAndRefusesEveryMalformedLine) {
  const std::pair<std::string_view, Command> good[] = {
      {"signon Dorvin Q", SignOn{"Dorvin Q"}},
      {"signon   Dorvin Q  ", SignOn{"Dorvin Q"}},
      {"signoff", SignOff{}},
      {"room Sonorix Lounge", OpenRoom{"Sonorix Lounge"}},
      {"room\tLobby\t", OpenRoom{"Lobby"}},
      {"closeroom Lobby", CloseRoom{"Lobby"}},
      {"front Lobby", FrontRoom{"Lobby"}},
      {"say Bob: hi", Say{"Bob", "hi"}},
      {"say Marla Vee: <b>anyone?</b>", Say{"Marla Vee", "<b>anyone?</b>"}},
      {"say Kestrel: hey <font color=#008800>:)</font>",
       Say{"Kestrel", "hey <font color=#008800>:)</font>"}},
      {"say Bob:x", Say{"Bob", "x"}},
      {"say Bob:   spaced  ", Say{"Bob", "  spaced  "}},
      {"type hello", Type{"hello"}},
      {"type   <b>hi</b> there  ", Type{"<b>hi</b> there  "}},
      {"type", Type{""}},
      {"type \xC2\xBB \xC3\xB8", Type{"\xC2\xBB \xC3\xB8"}},
      {"clear", Clear{}},
      {"maxlines 50", MaxLines{50}},
      {"dump C:\\t.txt", Dump{"C:\\t.txt"}},
      {"wait 2", Wait{milliseconds(2000)}},
      {"wait 0.25", Wait{milliseconds(250)}},
      {"wait 0", Wait{milliseconds(0)}},
      {"wait 1.0005", Wait{milliseconds(1001)}},
      {"hang 4", Hang{milliseconds(4000)}},
      {"hang  0.5 ", Hang{milliseconds(500)}},
      {"hang 3600", Hang{milliseconds(3600000)}},
      {"quit", Quit{}},
      {"quit  ", Quit{}},
      {"ignore mail", Ignore{"mail"}},
      {"ignore submenu", Ignore{"submenu"}},
      {"quirk menu-on-top", Quirk{"menu-on-top"}},
      {"quirk  hidden-menu ", Quirk{"hidden-menu"}},
      {"transfer big song.mp3", Transfer{"big song.mp3"}}};
  for (const auto& [line, command] : good) EXPECT_EQ(Parsed(line), command) << line;
  for (const std::string_view bad :
       {"",          "dance",           "ignore",         "ignore chat",
        "transfer",  "Say Bob: hi",     "signon",         " quit",
        "room    ",  "signon Dor\tvin", "front a\x7F",    "quit now",
        "clear all", "signoff Dorvin",  "say Bob hi",     "say : hi",
        "say Bob:",  "say Bob: ",       "type a\r\nquit", "say Bob: a\nb",
        "wait",      "wait -1",         "wait 1s",        "wait nan",
        "wait inf",  "wait 1e9",        "maxlines 0",     "hang",
        "hang -2",   "hang 4 s",        "hang 3601",      "Hang 4",
        "quirk",     "quirk menu"}) {
    EXPECT_FALSE(Parsed(bad)) << bad;
  }
  EXPECT_FALSE(Parsed(std::string_view("type a\0b", 8))) << "no NUL";
}

TEST(ParseLineLimit, TakesWholeNumbersFromOneToTheCeiling) {
  EXPECT_EQ(ParseLineLimit("1"), 1u);
  EXPECT_EQ(ParseLineLimit("1000000"), 1000000u);
  for (const char* bad : {"", "0", "-5", "+5", "5 ", "1000001", "99999999999999999999999", "1.5"}) {
    EXPECT_FALSE(ParseLineLimit(bad)) << bad;
  }
}

TEST(ParseScript, SkipsBlankAndCommentLinesReadsCrLfAndRefusesAScriptWithABadLine) {
  const Script script = ParseScript(
      "\xEF\xBB\xBF# greeting\r\n\r\nsay Kestrel: hey\r\n  wait 1\n   \n# done\ntype x");
  ASSERT_FALSE(script.badLine);
  EXPECT_EQ(script.commands,
            (std::vector<Command>{Say{"Kestrel", "hey"}, Wait{milliseconds(1000)}, Type{"x"}}));
  const Script bad = ParseScript("say Bob: hi\n\nsya Bob: typo\nquit now\n");
  EXPECT_EQ(bad.badLine, 3u) << "the first bad line is named";
  EXPECT_TRUE(bad.commands.empty()) << "and the whole script refused";
  EXPECT_FALSE(ParseScript("").badLine);
  EXPECT_TRUE(ParseScript("").commands.empty());
}

}  // namespace
}  // namespace sonorix::aolsim
