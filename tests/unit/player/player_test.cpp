#include "player/player.h"

#include <gtest/gtest.h>

#include "chattext/program_lines.h"
#include "chattext/song_lines.h"
#include "fakes/fake_bot_parts.h"

namespace sonorix {
namespace {

using namespace sonorix::testing;

// The bot's rig holds everything a player action reaches.
class PlayerTest : public ::testing::Test {
 protected:
  PlayerTest() { songs_.names = {"a.mp3", "be.mp3", "see.mp3"}; }

  Style CurrentStyle() const { return rig_.CurrentStyle(); }

  BotRig rig_;
  Settings& settings_ = rig_.settings;
  FakeClient& client_ = rig_.client;
  FakeMediaPlayer& media_ = rig_.media;
  FakeSongList& songs_ = rig_.songs;
  FakeProgress& progress_ = rig_.progress;
  FakeClock& clock_ = rig_.clock;
  ScriptedRandomness& random_ = rig_.random;
  EndOfSongModes& modes_ = rig_.modes;
  Player& player_ = rig_.player;
};

TEST_F(PlayerTest, PlayButtonOpensTheSelectionAndAnnouncesItStoppingWhatPlaysFirst) {
  songs_.selected = 1;
  player_.PlayButton();
  EXPECT_EQ(media_.opened, std::vector<std::string>{"D:\\music\\be.mp3"});
  EXPECT_EQ(client_.Lines(), std::vector<std::string>{
                                 PlayAnnouncement(CurrentStyle(), PlayWord::Button, 1, "be.mp3")});
  EXPECT_TRUE(progress_.running);
  EXPECT_EQ(media_.stops + progress_.clears, 0);
  settings_.WriteMain("style", "other");  // read afresh for every announcement
  settings_.WriteIni("styles", "acolor", "00FF00", settings_.StyleFile("other"));
  player_.PlayButton();
  EXPECT_EQ(media_.stops, 1);
  EXPECT_EQ(progress_.clears, 1);
  ASSERT_EQ(client_.Lines().size(), 2u);
  EXPECT_NE(client_.Lines()[1].find("#00FF00"), std::string::npos);
}

TEST_F(PlayerTest, NothingPlaysWithoutAFolderOrASelection) {
  player_.PlayButton();
  settings_.WriteMain("mp3 dir", "");
  songs_.selected = 0;
  player_.PlayButton();
  player_.RandomButton();
  media_.state = PlayState::Playing;
  player_.StopButton();
  EXPECT_TRUE(media_.opened.empty());
  EXPECT_TRUE(client_.Lines().empty());
}

TEST_F(PlayerTest, ASongThatWillNotOpenIsNeverAnnounced) {
  songs_.selected = 2;
  media_.broken = {"D:\\music\\see.mp3"};
  player_.PlayButton();
  random_ = ScriptedRandomness({0.9});
  player_.RandomButton();
  EXPECT_EQ(media_.opened.size(), 2u);
  EXPECT_TRUE(client_.Lines().empty());
  EXPECT_FALSE(progress_.running);
  EXPECT_EQ(media_.State(), PlayState::Stopped);
}

TEST_F(PlayerTest, DoubleClickSwitchesSongsWithTheSpacedWordOnlyWhileNotStopped) {
  songs_.selected = 2;
  player_.PlaySelection();
  EXPECT_TRUE(media_.opened.empty());
  EXPECT_TRUE(client_.Lines().empty());
  media_.state = PlayState::Playing;
  player_.PlaySelection();
  EXPECT_EQ(media_.stops, 1);
  EXPECT_EQ(client_.Lines(), std::vector<std::string>{PlayAnnouncement(
                                 CurrentStyle(), PlayWord::DoubleClick, 2, "see.mp3")});
}

TEST_F(PlayerTest, StopAnnouncesOnlyWhilePlaying) {
  songs_.selected = 1;
  media_.state = PlayState::Paused;
  player_.StopButton();
  EXPECT_TRUE(client_.Lines().empty());
  EXPECT_EQ(media_.State(), PlayState::Paused);

  media_.state = PlayState::Playing;
  player_.StopButton();
  EXPECT_EQ(client_.Lines(), std::vector<std::string>{StopAnnouncement(CurrentStyle(), "be.mp3")});
  EXPECT_EQ(progress_.clears, 1);
}

TEST_F(PlayerTest, RandomCoversEveryPositionAndNeverOneBeyond) {
  random_ = ScriptedRandomness({0.0, 0.34, 0.67, 0.9999999999999999});
  std::set<int> chosen;
  for (int i = 0; i < 4; ++i) {
    player_.RandomButton();
    chosen.insert(songs_.selected);
  }
  EXPECT_EQ(chosen, (std::set<int>{0, 1, 2}));
  EXPECT_EQ(media_.plays, 4);
  EXPECT_EQ(client_.Lines().back(), RandomAnnouncement(CurrentStyle(), 2, "see.mp3"));
}

// The banner, a pause, the summary: whatever resumes or is pressed while
// they go out, they are the last two lines the room gets.
TEST_F(PlayerTest, CloseSendsTheBannerThenTheSummaryAndNothingAfter) {
  clock_.duringPause = [&] {
    EXPECT_EQ(client_.Lines().size(), 1u);
    player_.CloseButton();
    client_.aol.SendChat("a handler resuming from its wait");
  };
  player_.CloseButton();
  EXPECT_EQ(clock_.pauses, std::vector<double>{0.1});
  player_.CloseButton();
  client_.aol.SendChat("after the close");
  EXPECT_EQ(client_.Lines(),
            (std::vector<std::string>{ClosingBanner(CurrentStyle()),
                                      SummaryLine(CurrentStyle(), 3, "default", "neon")}));
}

TEST_F(PlayerTest, SeekGoesToWholeSecondsAndIgnoresPausedAndRightPresses) {
  media_.state = PlayState::Playing;
  player_.SeekPress(0, 1000, true);
  player_.SeekPress(500, 1000, true);
  player_.SeekPress(500, 1000, false);
  player_.SeekPress(500, 0, true);
  media_.state = PlayState::Paused;
  player_.SeekPress(700, 1000, true);
  EXPECT_EQ(media_.seeks, (std::vector<double>{0, 100}));
}

TEST_F(PlayerTest, EndOfSongAutoRandomPlaysAndAnnouncesThePlainName) {
  modes_.SetAutoRandomCaption(kAutoRandomOn);
  random_ = ScriptedRandomness({0.5});
  player_.EndOfSong();
  EXPECT_EQ(songs_.selected, 1);
  EXPECT_EQ(media_.plays, 1);
  EXPECT_EQ(client_.Lines(),
            std::vector<std::string>{EndOfSongRandomAnnouncement(CurrentStyle(), "be.mp3")});
  EXPECT_EQ(progress_.clears, 0);
}

TEST_F(PlayerTest, EndOfSongWithNoModeStopsTheBarAndWithoutAFolderDoesNothingAtAll) {
  player_.EndOfSong();
  EXPECT_EQ(progress_.clears, 1);
  EXPECT_TRUE(client_.Lines().empty());
  progress_.clears = 0;
  modes_.SetAutoRandomCaption(kAutoRandomOn);
  modes_.SetContinuousCaption(kContinuousOn);
  settings_.WriteMain("mp3 dir", "");
  player_.EndOfSong();
  EXPECT_TRUE(media_.opened.empty());
  EXPECT_EQ(progress_.clears + progress_.starts, 0);
}

TEST_F(PlayerTest, ContinuousPlayTakesTheNextEntryAndWrapsAtTheEnd) {
  modes_.SetContinuousCaption(kContinuousOn);
  songs_.selected = 1;
  player_.EndOfSong();
  player_.EndOfSong();
  EXPECT_EQ(media_.opened, (std::vector<std::string>{"D:\\music\\see.mp3", "D:\\music\\a.mp3"}));
  EXPECT_EQ(client_.Lines().back(), EndOfSongPlayAnnouncement(CurrentStyle(), "a.mp3"));
  EXPECT_EQ(media_.plays, 0) << "Open starts the song by itself";
}

// Asked shortly before the end, so the media player can queue the song
// without a gap: the end must then open exactly that song.
TEST_F(PlayerTest, TheUpcomingSongIsTheOneTheEndOpens) {
  songs_.selected = 2;
  EXPECT_EQ(player_.UpcomingSong(), "");
  modes_.SetContinuousCaption(kContinuousOn);
  EXPECT_EQ(player_.UpcomingSong(), "D:\\music\\a.mp3");
  modes_.SetContinuousCaption(kContinuousOff);
  modes_.SetAutoRandomCaption(kAutoRandomOn);
  random_ = ScriptedRandomness({0.5, 0.9, 0.0});
  EXPECT_EQ(player_.UpcomingSong(), "D:\\music\\be.mp3");
  EXPECT_EQ(player_.UpcomingSong(), "D:\\music\\be.mp3") << "asked twice, drawn once";
  player_.EndOfSong();
  EXPECT_EQ(media_.opened, std::vector<std::string>{"D:\\music\\be.mp3"});
  player_.EndOfSong();  // nothing asked ahead: the end draws its own
  EXPECT_EQ(media_.opened.back(), "D:\\music\\see.mp3");
  settings_.WriteMain("mp3 dir", "");
  EXPECT_EQ(player_.UpcomingSong(), "");
}

}  // namespace
}  // namespace sonorix
