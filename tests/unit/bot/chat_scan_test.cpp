#include "bot/chat_scan.h"

#include <gtest/gtest.h>

#include "fakes/fake_client.h"
#include "fakes/fake_player_parts.h"

namespace sonorix {
namespace {

using testing::FakeClient;
using testing::FakeClock;

class ChatScanTest : public ::testing::Test {
 protected:
  ChatScanTest() { transcript_ = client_.aol.FindTranscript(client_.room); }

  // Lines arrive whether or not the client answers the program.
  void Say(WindowRef transcript, const std::string& line) {
    client_.tree.SetWindowText(transcript, client_.tree.Caption(transcript) + line + "\r\n");
  }
  WindowRef AddRoomBelow() { return client_.AddRoom("Other"); }
  // The timer as asked: each tick comes after the pace the scan set.
  void Tick() {
    clock_.now += scan_.TickMs() / 1000.0;
    scan_.Poll();
  }
  void PollTimes(int n) {
    for (int i = 0; i < n; ++i) Tick();
  }
  std::vector<std::string> Heard() const {
    std::vector<std::string> lines;
    for (const auto& event : heard_) lines.push_back(event.screenName + "|" + event.text);
    return lines;
  }

  FakeClient client_;
  FakeClock clock_;
  WindowRef transcript_;
  std::vector<ChatLineEvent> heard_;
  ChatScan scan_{client_.aol, client_.tree, clock_,
                 [this](const ChatLineEvent& e) { heard_.push_back(e); }};
};

TEST_F(ChatScanTest, OldLinesAreNeverReplayedAndNewOnesComeOnce) {
  Say(transcript_, "Dorvin:\tp old command");
  scan_.Poll();
  EXPECT_TRUE(heard_.empty()) << "not started yet";
  scan_.Start();
  PollTimes(3);
  EXPECT_TRUE(heard_.empty());
  Say(transcript_, "Bob Smith:\thi");
  Say(transcript_, "Dorvin:\tr");
  PollTimes(25);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"Bob Smith|hi", "Dorvin|r"}));
}

TEST_F(ChatScanTest, ANewRoomOnTopStartsFromWhatItAlreadyShows) {
  scan_.Start();
  const WindowRef other = AddRoomBelow();
  const WindowRef otherTranscript = client_.aol.FindTranscript(other);
  Say(otherTranscript, "Ann:\tbefore we looked");
  client_.tree.RaiseToTop(other);
  PollTimes(10);
  Say(otherTranscript, "Ann:\tafter");
  Say(transcript_, "Bob:\tin the room below");
  PollTimes(10);
  EXPECT_EQ(Heard(), std::vector<std::string>{"Ann|after"});
}

TEST_F(ChatScanTest, AClientThatQuitsAndComesBackIsFollowedAgain) {
  scan_.Start();
  client_.tree.Destroy(client_.tree.FindTopLevel("aol frame25"));
  PollTimes(3);
  client_.tree.AddChild(client_.tree.AddTopLevel("AOL Frame25"), "MDIClient");
  const WindowRef transcript = client_.aol.FindTranscript(client_.AddRoom("Lobby"));
  Say(transcript, "Old:\tshown before we found it");
  scan_.Poll();
  Say(transcript, "Bob:\tback again");
  scan_.Poll();
  EXPECT_EQ(Heard(), std::vector<std::string>{"Bob|back again"});
}

TEST_F(ChatScanTest, LinesArrivingWhileAHandlerWaitsAreQueuedInOrder) {
  std::vector<std::string> order;
  bool waited = false;
  ChatScan scan(client_.aol, client_.tree, clock_, [&](const ChatLineEvent& e) {
    order.push_back(e.text);
    if (!waited) {
      waited = true;
      Say(transcript_, "Bob:\tduring the wait");
      scan_.Poll();  // another component ticking is harmless
    }
  });
  scan.Start();
  Say(transcript_, "Dorvin:\tfirst");
  Say(transcript_, "Dorvin:\tsecond");
  scan.Poll();
  EXPECT_EQ(order, (std::vector<std::string>{"first", "second"}));
  scan.Poll();
  EXPECT_EQ(order, (std::vector<std::string>{"first", "second", "during the wait"}));
}

TEST_F(ChatScanTest, NestedPollsOnlyQueue) {
  int depth = 0, deepest = 0;
  std::vector<std::string> order;
  ChatScan* self = nullptr;
  ChatScan scan(client_.aol, client_.tree, clock_, [&](const ChatLineEvent& e) {
    deepest = std::max(deepest, ++depth);
    order.push_back(e.text);
    if (e.text == "one") {
      Say(transcript_, "Dorvin:\ttwo");
      self->Poll();
    }
    --depth;
  });
  self = &scan;
  scan.Start();
  Say(transcript_, "Dorvin:\tone");
  scan.Poll();
  EXPECT_EQ(order, (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(deepest, 1) << "no handler runs inside another";
}

TEST_F(ChatScanTest, ClearedTranscriptIsFollowed) {
  Say(transcript_, "Dorvin:\tcc");
  scan_.Start();
  scan_.FollowClear([&] { client_.tree.SetWindowText(transcript_, ""); });
  Say(transcript_, "Dorvin:\treply");
  scan_.Poll();
  EXPECT_EQ(Heard(), std::vector<std::string>{"Dorvin|reply"});
}

TEST_F(ChatScanTest, TicksTheClientDoesNotAnswerLoseNoLineAndReplayNone) {
  scan_.Start();
  Say(transcript_, "Dorvin:\tbefore");
  scan_.Poll();
  client_.tree.answers = [] { return false; };
  Say(transcript_, "Dorvin:\ttyped while it slept");
  PollTimes(25);
  EXPECT_EQ(Heard(), std::vector<std::string>{"Dorvin|before"});
  client_.tree.answers = nullptr;
  PollTimes(25);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"Dorvin|before", "Dorvin|typed while it slept"}));
}

TEST_F(ChatScanTest, ARoomFirstSeenWhileTheClientSleepsStartsFromWhatItShowsOnceItAnswers) {
  scan_.Start();
  const WindowRef other = AddRoomBelow();
  const WindowRef otherTranscript = client_.aol.FindTranscript(other);
  Say(otherTranscript, "Dorvin:\tp old command");
  client_.tree.answers = [] { return false; };
  client_.tree.RaiseToTop(other);
  PollTimes(10);
  client_.tree.answers = nullptr;
  PollTimes(10);
  Say(otherTranscript, "Ann:\tafter");
  PollTimes(10);
  EXPECT_EQ(Heard(), std::vector<std::string>{"Ann|after"});
}

TEST_F(ChatScanTest, QueuedLinesWaitWhileTheClientDoesNotAnswer) {
  std::vector<std::string> order;
  ChatScan scan(client_.aol, client_.tree, clock_, [&](const ChatLineEvent& e) {
    order.push_back(e.text);
    if (e.text != "first") return;
    client_.tree.answers = [] { return false; };
    client_.aol.SendChat("the reply it sleeps on");
  });
  scan.Start();
  Say(transcript_, "Dorvin:\tfirst");
  Say(transcript_, "Dorvin:\tsecond");
  scan.Poll();
  scan.Poll();
  EXPECT_EQ(order, std::vector<std::string>{"first"}) << "no one could be told signed on";
  client_.tree.answers = nullptr;
  scan.Poll();
  EXPECT_EQ(order, (std::vector<std::string>{"first", "second"}));
}

// A client that ignores the clear keeps every line: none of them is new.
TEST_F(ChatScanTest, AClearThatDidNotHappenReplaysNothing) {
  Say(transcript_, "Bob:\tbefore the start");
  scan_.Start();
  Say(transcript_, "Dorvin:\tcc");
  scan_.Poll();
  Say(transcript_, "Bob:\tjust before the clear");
  scan_.FollowClear([] {});
  Say(transcript_, "Dorvin:\treply");
  PollTimes(12);
  EXPECT_EQ(Heard(),
            (std::vector<std::string>{"Dorvin|cc", "Bob|just before the clear", "Dorvin|reply"}));
}

TEST_F(ChatScanTest, AClearTheClientSleptThroughReplaysNothingOnceItAnswers) {
  scan_.Start();
  Say(transcript_, "Dorvin:\tcc");
  scan_.Poll();
  client_.tree.answers = [] { return false; };
  scan_.FollowClear([] {});
  client_.tree.answers = nullptr;
  PollTimes(12);
  Say(transcript_, "Ann:\tafter");
  PollTimes(12);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"Dorvin|cc", "Ann|after"}));
}

// A second of ticks at the quiet pace: 10 of 100 ms.
TEST_F(ChatScanTest, AnIdleRoomCostsOneLookupATickBetweenTheOncePerSecondWalks) {
  scan_.Start();
  PollTimes(10);
  const int before = client_.tree.lookups;
  PollTimes(9);
  EXPECT_EQ(client_.tree.lookups, before + 9);
  Tick();
  EXPECT_GT(client_.tree.lookups, before + 12);
}

// The answer to a length question comes later; what changed meanwhile
// decides what it still means.
TEST_F(ChatScanTest, ALateAnswerReadsTheNewLinesUnlessTheRoomChanged) {
  scan_.Start();
  client_.tree.holdQuestions = true;
  Say(transcript_, "Bob:	one");
  PollTimes(2);
  EXPECT_TRUE(Heard().empty());
  client_.tree.AnswerHeldQuestion();
  EXPECT_EQ(Heard(), std::vector<std::string>{"Bob|one"});

  Say(transcript_, "Bob:	two");
  scan_.Poll();
  const WindowRef other = AddRoomBelow();
  client_.tree.RaiseToTop(other);
  PollTimes(1);  // the walk: the other room is followed now
  Say(transcript_, "Bob:	three");
  client_.tree.AnswerHeldQuestion();
  EXPECT_EQ(Heard(), std::vector<std::string>{"Bob|one"});
}

// One question at a time, however long the client sleeps; a question left
// unanswered for a quiet tick slows the pace to the quiet one.
TEST_F(ChatScanTest, AClientThatDoesNotAnswerIsAskedOnceAndAtTheQuietPace) {
  scan_.Start();
  Say(transcript_, "Bob:	one");
  PollTimes(1);
  ASSERT_EQ(scan_.TickMs(), ChatScan::kQuickTickMs);
  client_.tree.holdQuestions = true;
  const int before = client_.tree.questionsAsked;
  PollTimes(50);
  EXPECT_EQ(client_.tree.questionsAsked - before, 1);
  EXPECT_EQ(scan_.TickMs(), ChatScan::kQuietTickMs);
  Say(transcript_, "Bob:	two");
  client_.tree.AnswerHeldQuestion();
  EXPECT_EQ(Heard(), (std::vector<std::string>{"Bob|one", "Bob|two"}));
}

// Windows keeps a 10 ms timer to its own tick of about 15.6 ms: the
// intervals are the clock's, not a count of ticks.
TEST_F(ChatScanTest, TimersThatComeLateStillWalkOnceASecondAndQuickenForFiveSeconds) {
  scan_.Start();
  EXPECT_EQ(scan_.TickMs(), ChatScan::kQuietTickMs);
  Say(transcript_, "Bob:\thi");
  Tick();
  ASSERT_EQ(scan_.TickMs(), ChatScan::kQuickTickMs);
  const auto lateTick = [&] {
    clock_.now += 0.0156;
    scan_.Poll();
  };
  const double lineSeen = clock_.now;
  int walks = 0;
  double lastWalk = 0;  // the start's
  while (clock_.now < lineSeen + 4.9) {
    const int before = client_.tree.lookups;
    lateTick();
    if (client_.tree.lookups > before + 1) {
      ++walks;
      EXPECT_NEAR(clock_.now - lastWalk, 1.0, 0.02);
      lastWalk = clock_.now;
    }
  }
  EXPECT_EQ(walks, 4);
  EXPECT_EQ(scan_.TickMs(), ChatScan::kQuickTickMs);
  while (clock_.now < lineSeen + 5.02) lateTick();
  EXPECT_EQ(scan_.TickMs(), ChatScan::kQuietTickMs) << "five seconds, not 500 ticks";
}

}  // namespace
}  // namespace sonorix
