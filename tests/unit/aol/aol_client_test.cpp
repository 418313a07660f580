#include "aol/aol_client.h"

#include <gtest/gtest.h>

#include "fakes/fake_client.h"

namespace sonorix {
namespace {

using testing::FakeWindowTree;
using testing::kRoomClasses;

class AolClientTest : public ::testing::Test {
 protected:
  void StartClient() {
    frame_ = tree_.AddTopLevel("AOL Frame25", "America Online");
    mdi_ = tree_.AddChild(frame_, "MDIClient");
  }

  // A document window with the room's children, less the one named.
  WindowRef AddRoom(const std::string& caption, std::string_view without = {}) {
    const WindowRef room = tree_.AddChild(mdi_, "AOL Child", caption);
    for (const auto className : kRoomClasses) {
      if (className != without) tree_.AddChild(room, std::string(className));
    }
    return room;
  }

  WindowRef AddWelcome(const std::string& name) {
    const WindowRef welcome = tree_.AddChild(mdi_, "AOL Child", "Welcome, " + name + "!");
    for (const char* className : {"_AOL_Icon", "_AOL_Glyph", "RICHCNTLSTATIC"}) {
      tree_.AddChild(welcome, className);
    }
    return welcome;
  }

  std::vector<FakeWindowTree::Sent> SentTo(WindowRef window) const { return tree_.SentTo(window); }

  FakeWindowTree tree_;
  AolClient aol_{tree_};
  WindowRef frame_, mdi_;
};

TEST_F(AolClientTest, NoClientMeansNoRoomNoNameAndASilentSendAndAnEmptyRoomNoText) {
  EXPECT_FALSE(aol_.FindChatRoom());
  EXPECT_EQ(aol_.GetUserSN(), "[not online]");
  aol_.SendChat("hello");
  EXPECT_TRUE(tree_.sent.empty());
  StartClient();
  EXPECT_FALSE(aol_.FindChatRoom());
  const WindowRef room = AddRoom("");
  EXPECT_EQ(aol_.GetText(room), "");
  EXPECT_EQ(aol_.GetCaption(room), "");
  EXPECT_EQ(aol_.GetText(WindowRef{}), "") << "no window has no text";
}

TEST_F(AolClientTest, OnceTheChatEndsOnlyTheClosingLinesAreTyped) {
  StartClient();
  const WindowRef input = tree_.FindChild(AddRoom("Lobby"), {}, "RICHCNTL");
  EXPECT_TRUE(aol_.EndChat());
  EXPECT_FALSE(aol_.EndChat()) << "it was ending already";
  aol_.SendChat("a late reply");
  EXPECT_TRUE(SentTo(input).empty());
  aol_.SendClosingLine("bye");
  const auto sent = SentTo(input);
  ASSERT_GE(sent.size(), 2u);
  EXPECT_EQ(sent[sent.size() - 2].text, "bye");
  EXPECT_EQ(sent.back().message, WindowMessage::Char);
}

TEST_F(AolClientTest, SendChatTypesTheLineIntoTheRoomAndPressesEnter) {
  StartClient();
  AddWelcome("Dorvin");
  const WindowRef room = AddRoom("Lobby");
  const WindowRef input = tree_.FindChild(room, {}, "richcntl");

  aol_.SendChat("<b>hi</b> ›");

  const auto messages = SentTo(input);
  ASSERT_EQ(messages.size(), 5u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(messages[i].message, WindowMessage::SetText);
    EXPECT_EQ(messages[i].text, "");
  }
  EXPECT_EQ(messages[3].text, "<b>hi</b> ›");
  EXPECT_EQ(messages[4].message, WindowMessage::Char);
  EXPECT_EQ(messages[4].wParam, 13u);
  EXPECT_EQ(tree_.sent.size(), messages.size()) << "nothing goes to other windows";
}

TEST_F(AolClientTest, TheRoomHighestInZOrderWins) {
  StartClient();
  const WindowRef first = AddRoom("One");
  const WindowRef second = AddRoom("Two");
  EXPECT_EQ(aol_.FindChatRoom(), first);
  tree_.RaiseToTop(second);
  EXPECT_EQ(aol_.FindChatRoom(), second);
  aol_.SendChat("x");
  EXPECT_TRUE(SentTo(tree_.FindChild(first, {}, "richcntl")).empty());
  EXPECT_FALSE(SentTo(tree_.FindChild(second, {}, "richcntl")).empty());
}

TEST_F(AolClientTest, ADocumentMissingAnyRoomChildIsNoRoomAndARoomIsNoWelcome) {
  StartClient();
  for (const auto missing : kRoomClasses) {
    const WindowRef partial = AddRoom("Partial", missing);
    EXPECT_FALSE(aol_.FindChatRoom()) << "without " << missing;
    tree_.Destroy(partial);
  }
  const WindowRef room = AddRoom("Lobby");
  EXPECT_FALSE(aol_.FindWelcome());
  const WindowRef welcome = AddWelcome("Dorvin");
  tree_.RaiseToTop(welcome);
  EXPECT_EQ(aol_.FindChatRoom(), room) << "the walk passes over other documents";
  tree_.Destroy(room);
  EXPECT_FALSE(aol_.FindChatRoom()) << "the welcome window is no room";
  EXPECT_EQ(aol_.FindWelcome(), welcome);
}

TEST_F(AolClientTest, SignedOnNameComesFromTheWelcomeCaptionWhileItAnswers) {
  StartClient();
  AddRoom("Lobby");
  const WindowRef welcome = AddWelcome("Dorvin Q");
  EXPECT_EQ(aol_.GetUserSN(), "Dorvin Q");
  tree_.Destroy(welcome);
  EXPECT_EQ(aol_.GetUserSN(), "[not online]") << "even with a room open";
  AddWelcome("Hi!There");
  EXPECT_EQ(aol_.GetUserSN(), "HiThere") << "exclamation marks vanish from the name";
  tree_.answers = [] { return false; };
  EXPECT_EQ(aol_.GetUserSN(), "[not online]") << "a welcome window that does not answer";
  tree_.answers = nullptr;
  EXPECT_EQ(aol_.GetUserSN(), "HiThere");
}

TEST_F(AolClientTest, TheWelcomeWindowIsWalkedToOnceAndLookedForAgainWhenGone) {
  StartClient();
  AddWelcome("Dorvin");
  for (int i = 0; i < 30; ++i) AddRoom("Room " + std::to_string(i));
  EXPECT_EQ(aol_.GetUserSN(), "Dorvin");
  const int walked = tree_.lookups;
  EXPECT_EQ(aol_.GetUserSN(), "Dorvin");
  EXPECT_EQ(tree_.lookups, walked + 3) << "a look at its three children";
  tree_.Destroy(aol_.FindWelcome());
  const WindowRef again = AddWelcome("Ann");
  tree_.RaiseToTop(again);
  EXPECT_EQ(aol_.GetUserSN(), "Ann");
}

TEST_F(AolClientTest, WindowsClosingInMidWalkEndTheWalkCleanly) {
  StartClient();
  const WindowRef top = AddRoom("Partial", "_AOL_Image");
  AddRoom("Lobby");
  tree_.onDoEvents = [&] { tree_.Destroy(top); };
  EXPECT_FALSE(aol_.FindChatRoom()) << "the candidate died, so its successor is unknown";
  EXPECT_NO_FATAL_FAILURE(aol_.SendChat("x"));

  tree_.onDoEvents = [&] { tree_.Destroy(frame_); };
  EXPECT_FALSE(aol_.FindChatRoom()) << "the client quit while the room was being looked at";
}

TEST_F(AolClientTest, EventsAreHandledOncePerCandidate) {
  StartClient();
  AddRoom("A", "_AOL_Image");
  AddRoom("B", "RICHCNTL");
  AddRoom("C");
  int events = 0;
  tree_.onDoEvents = [&] { ++events; };
  aol_.FindChatRoom();
  EXPECT_EQ(events, 3);
}

// Refuses only the n-th message call from now on, counted from 0: a client
// that misses one answer and then wakes.
std::function<bool()> MissesCall(int n) {
  return [n, call = 0]() mutable { return call++ != n; };
}

TEST_F(AolClientTest, NoEnterFollowsAMessageTheClientDidNotAnswer) {
  StartClient();
  const WindowRef input = tree_.FindChild(AddRoom("Lobby"), {}, "richcntl");
  std::vector<std::string> reported;
  aol_.SetSentObserver([&](std::string_view line) { reported.emplace_back(line); });
  for (int missed = 0; missed < 4; ++missed) {
    tree_.sent.clear();
    tree_.answers = MissesCall(missed);
    aol_.SendChat("line");
    for (const auto& message : SentTo(input)) {
      EXPECT_NE(message.message, WindowMessage::Char) << "Enter after missed message " << missed;
    }
  }
  EXPECT_EQ(reported, (std::vector<std::string>{"line", "line"}))
      << "reported once the text itself was handed over";

  tree_.sent.clear();
  tree_.answers = MissesCall(4);
  aol_.SendChat("late");
  EXPECT_EQ(SentTo(input).size(), 4u);
  EXPECT_EQ(reported.back(), "late") << "an Enter not answered in time may still arrive";
}

}  // namespace
}  // namespace sonorix
