#include "aolsim/options.h"

#include <gtest/gtest.h>

namespace sonorix::aolsim {
namespace {

ParsedOptions Parse(std::vector<std::string> args) { return ParseOptions(args); }

TEST(ParseOptions, NoArgumentsGiveTheDefaultsAndSendCarriesItsCommandAsGiven) {
  const ParsedOptions parsed = Parse({});
  EXPECT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options, Options{});
  EXPECT_EQ(parsed.options.maxLines, 1000u);
  const ParsedOptions send = Parse({"--send", "say Bob: <b>hi</b> "});
  ASSERT_EQ(send.error, "");
  EXPECT_EQ(send.options.send, "say Bob: <b>hi</b> ") << "carried as given";
}

TEST(ParseOptions, ReadsEveryOptionAndKeepsRoomsInOrder) {
  const ParsedOptions parsed = Parse({"--log", "C:\\x.log", "--name", "Dorvin Q", "--room", "One",
                                      "--script", "s.txt", "--room", "Two", "--max-lines", "50"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.name, "Dorvin Q");
  EXPECT_EQ(parsed.options.rooms, (std::vector<std::string>{"One", "Two"}));
  EXPECT_EQ(parsed.options.logPath, "C:\\x.log");
  EXPECT_EQ(parsed.options.scriptPath, "s.txt");
  EXPECT_EQ(parsed.options.maxLines, 50u);
  EXPECT_FALSE(parsed.options.send);
}

TEST(ParseOptions, RefusesMistakes) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"--name"},
           {"--nmae", "x"},
           {"stray"},
           {"--name", "a", "--name", "b"},
           {"--name", "  "},
           {"--room", ""},
           {"--max-lines", "0"},
           {"--max-lines", "many"},
           {"--send", "quit", "--name", "x"},
       }) {
    EXPECT_NE(Parse(args).error, "") << args.front();
  }
}

}  // namespace
}  // namespace sonorix::aolsim
