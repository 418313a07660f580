#include "chattext/like_pattern.h"

#include <gtest/gtest.h>

#include <random>

namespace sonorix {
namespace {

struct Case {
  const char* text;
  const char* pattern;
  bool matches;
};

void ExpectAll(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(Like(c.text, c.pattern), c.matches) << '"' << c.text << "\" ~ \"" << c.pattern << '"';
  }
}

TEST(Like, StarTakesAnyRunAndTheWholeTextMustMatch) {
  ExpectAll({{"p song", "p *", true},
             {"p ", "p *", true},
             {"p", "p *", false},
             {"abcabc", "*abc", true},
             {"", "*", true},
             {"a*b", "a*b", true},
             {"axxbyyb", "a*b*b", true},
             {"axxbyy", "a*b*b", false},
             {"rr 10", "r *", false},
             {"adv", "adv ", false},
             {"stop now", "stop", false},
             {"A", "a", false},
             {"a", "a", true}});
}

TEST(Like, QuestionMarkAndHashTakeExactlyOneCharacter) {
  ExpectAll({{"coms", "coms?", false},
             {"coms?", "coms?", true},
             {"comsx", "coms?", true},
             {"a1", "a#", true},
             {"ax", "a#", false},
             {"a12", "a#", false},
             {"é", "?", true},
             {"", "?", false}});
}

// Ranges, "!" for none of the list, "[]" for nothing; inside brackets "*"
// and "[" are themselves, and a "[" never closed is itself too.
TEST(Like, BracketsTakeOneCharacterOfTheListOrNotOfIt) {
  ExpectAll({{"c", "[a-f]", true},
             {"g", "[a-f]", false},
             {"g", "[!a-f]", true},
             {"c", "[!a-f]", false},
             {"x", "[xyz]", true},
             {"-", "[a-]", true},
             {"*", "[*]", true},
             {"a", "[*]", false},
             {"ab", "a[]b", true},
             {"]", "[]]", true},
             {"a", "[a[]", true},
             {"[", "[a[]", true},
             {"]", "[a[]", false},
             {"[]", "[[]]", true},
             {"x", "[![]", true},
             {"[", "[![]", false},
             {"[ab", "[ab", true},
             {"a", "[ab", false}});
}

TEST(Like, BrokenUtf8AndLongInputsNeverHang) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 2000; ++round) {
    std::string text, pattern;
    for (int i = 0; i < 20; ++i) text += static_cast<char>(byte(random));
    for (int i = 0; i < 8; ++i) pattern += "*?#[!a-]xé\xC3"[byte(random) % 12];
    Like(text, pattern);
  }
  EXPECT_TRUE(Like(std::string(5000, 'a') + "b", "*a*a*a*a*b"));
  EXPECT_FALSE(Like(std::string(5000, 'a'), "*a*a*a*a*b"));
}

}  // namespace
}  // namespace sonorix
