#include "core/win32/code_page.h"

#include <gtest/gtest.h>

namespace sonorix {
namespace {

TEST(CodePage, ChatCharactersBecomeTheirWindows1252Bytes) {
  EXPECT_EQ(Utf8ToAnsi("›»áéø"), "\x9B\xBB\xE1\xE9\xF8");
  EXPECT_EQ(AnsiToUtf8("\x9B\xBB\xE1\xE9\xF8"), "›»áéø");
  EXPECT_EQ(Utf8ToAnsi("plain <b>text</b>"), "plain <b>text</b>");
}

TEST(CodePage, CharactersOutsideWindows1252AreReplacedNotDropped) {
  const std::string ansi = Utf8ToAnsi("a\xE4\xB8\xADz");  // a中z
  ASSERT_EQ(ansi.size(), 3u);
  EXPECT_EQ(ansi.front(), 'a');
  EXPECT_EQ(ansi.back(), 'z');
}

TEST(CodePage, WideRoundTripKeepsEveryCharacter) {
  const std::string name = "Bj\xC3\xB6rk \xE4\xB8\xAD \xF0\x9F\x8E\xB5.mp3";  // Björk 中 🎵.mp3
  EXPECT_EQ(WideToUtf8(Utf8ToWide(name)), name);
  EXPECT_EQ(Utf8ToWide(""), L"");
}

}  // namespace
}  // namespace sonorix
