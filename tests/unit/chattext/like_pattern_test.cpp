#include "chattext/like_pattern.h"

#include <gtest/gtest.h>

#include <random>

namespace sonorix {
namespace {

TEST(Like, StarTakesAnyRunIncludingNone) {
  EXPECT_TRUE(Like("p song", "p *"));
  EXPECT_TRUE(Like("p ", "p *"));
  EXPECT_FALSE(Like("p", "p *"));
  EXPECT_TRUE(Like("abcabc", "*abc"));
  EXPECT_TRUE(Like("", "*"));
  EXPECT_TRUE(Like("a*b", "a*b"));
  EXPECT_TRUE(Like("axxbyyb", "a*b*b"));
  EXPECT_FALSE(Like("axxbyy", "a*b*b"));
}

TEST(Like, TheWholeTextMustMatch) {
  EXPECT_FALSE(Like("rr 10", "r *"));
  EXPECT_FALSE(Like("adv", "adv "));
  EXPECT_FALSE(Like("coms", "coms?"));
  EXPECT_TRUE(Like("coms?", "coms?"));
  EXPECT_TRUE(Like("comsx", "coms?"));
  EXPECT_FALSE(Like("stop now", "stop"));
}

TEST(Like, QuestionMarkAndHashTakeExactlyOneCharacter) {
  EXPECT_TRUE(Like("a1", "a#"));
  EXPECT_FALSE(Like("ax", "a#"));
  EXPECT_FALSE(Like("a12", "a#"));
  EXPECT_TRUE(Like("é", "?")) << "one character, two bytes";
  EXPECT_FALSE(Like("", "?"));
}

TEST(Like, BracketsTakeOneCharacterOfTheListOrNotOfIt) {
  EXPECT_TRUE(Like("c", "[a-f]"));
  EXPECT_FALSE(Like("g", "[a-f]"));
  EXPECT_TRUE(Like("g", "[!a-f]"));
  EXPECT_FALSE(Like("c", "[!a-f]"));
  EXPECT_TRUE(Like("x", "[xyz]"));
  EXPECT_TRUE(Like("-", "[a-]"));
  EXPECT_TRUE(Like("*", "[*]")) << "a star inside brackets is itself";
  EXPECT_FALSE(Like("a", "[*]"));
  EXPECT_TRUE(Like("ab", "a[]b")) << "empty brackets stand for nothing";
  EXPECT_TRUE(Like("]", "[]]"));
}

TEST(Like, AnOpeningBracketInsideBracketsIsItself) {
  EXPECT_TRUE(Like("a", "[a[]"));
  EXPECT_TRUE(Like("[", "[a[]"));
  EXPECT_FALSE(Like("]", "[a[]"));
  EXPECT_TRUE(Like("[]", "[[]]"));
  EXPECT_TRUE(Like("x", "[![]"));
  EXPECT_FALSE(Like("[", "[![]"));
}

TEST(Like, UnclosedBracketStandsForItself) {
  EXPECT_TRUE(Like("[ab", "[ab"));
  EXPECT_FALSE(Like("a", "[ab"));
}

TEST(Like, CaseCounts) {
  EXPECT_FALSE(Like("A", "a"));
  EXPECT_TRUE(Like("a", "a"));
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
