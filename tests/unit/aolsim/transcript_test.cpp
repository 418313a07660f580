#include "aolsim/transcript.h"

#include <gtest/gtest.h>

namespace sonorix::aolsim {
namespace {

void AppendNumbered(Transcript& transcript, int from, int to) {
  for (int i = from; i <= to; ++i) transcript.Append("n", std::to_string(i));
}

std::string NumberedText(int from, int to) {
  std::string text;
  for (int i = from; i <= to; ++i) text += "n:\t" + std::to_string(i) + "\r\n";
  return text;
}

TEST(Transcript, HoldsOneTabSeparatedLinePerChatLineWithoutTags) {
  Transcript transcript;
  transcript.Append("Bob Smith", "<font color=#FF0000>hi <b>there</b>");
  transcript.Append("Dorvin Q", "\xBB x");
  EXPECT_EQ(transcript.Text(), "Bob Smith:\thi there\r\nDorvin Q:\t\xBB x\r\n");
  ASSERT_EQ(transcript.Lines().size(), 2u);
  EXPECT_EQ(transcript.Lines()[0].html, "<font color=#FF0000>hi <b>there</b>");
  EXPECT_EQ(transcript.Lines()[0].runs.size(), 2u);
}

// A line of tags only is still a line; breaks inside one become blanks.
TEST(Transcript, EveryAppendIsExactlyOneLine) {
  Transcript transcript;
  transcript.Append("Bob", "<b></b>");
  transcript.Append("Eve\r\n", "hi\r\nBob:\tforged\n");
  EXPECT_EQ(transcript.Text(), "Bob:\t\r\nEve  :\thi  Bob:\tforged \r\n");
  EXPECT_EQ(transcript.Lines().size(), 2u);
}

TEST(Transcript, DropsTheOldestDownToFourFifthsWhenOverTheLimit) {
  Transcript transcript;
  AppendNumbered(transcript, 1, 1000);
  EXPECT_EQ(transcript.Lines().size(), 1000u);
  EXPECT_EQ(transcript.Text(), NumberedText(1, 1000));

  transcript.Append("n", "1001");
  EXPECT_EQ(transcript.Lines().size(), 800u);
  EXPECT_EQ(transcript.Lines().front().html, "202");
  EXPECT_EQ(transcript.Text(), NumberedText(202, 1001));
}

TEST(Transcript, ConfiguredLimitsTrimAtOnceNeverDropTheNewestLineAndClearEmptiesIt) {
  Transcript transcript(10);
  AppendNumbered(transcript, 1, 11);
  EXPECT_EQ(transcript.Text(), NumberedText(4, 11));

  transcript.SetMaxLines(5);
  EXPECT_EQ(transcript.Text(), NumberedText(8, 11));

  transcript.SetMaxLines(1);
  EXPECT_EQ(transcript.Text(), NumberedText(11, 11));
  transcript.Append("n", "12");
  EXPECT_EQ(transcript.Text(), NumberedText(12, 12));

  transcript.Clear();
  EXPECT_EQ(transcript.Text(), "");
  EXPECT_TRUE(transcript.Lines().empty());
  transcript.Append("n", "13");
  EXPECT_EQ(transcript.Text(), NumberedText(13, 13)) << "later lines start afresh";
}

}  // namespace
}  // namespace sonorix::aolsim
