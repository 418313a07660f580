#include "bot/song_commands.h"

#include <gtest/gtest.h>

#include "chattext/song_lines.h"
#include "fakes/fake_bot_parts.h"

namespace sonorix {
namespace {

using namespace testing;
using Lines = std::vector<std::string>;

// What a choice answers a pick it cannot take yet, and the prompt that
// ends a listing of matches 0 to `last` ("or" after the listing, "ør"
// after an invalid number).
const std::string kTypeScrollViewOrCancel =
    Condensed("pléásé typé <u>/scrøll</u>, <u>/viéw</u>, ør <u>/cáncél</u>");
std::string PickPrompt(int last, const char* orWord = "or", const char* cancel = "cáncél") {
  return Condensed("typé › <FONT COLOR=#FF9900> p</a> <FONT COLOR=#FFFFFF> ánd 0 - " +
                   std::to_string(last) + " " + orWord + " <FONT COLOR=#FF9900>" + cancel);
}

class SongCommandsTest : public ::testing::Test {
 protected:
  SongCommandsTest() {
    rig_.songs.names = {"Another Day.mp3", "My Song.mp3", "mysong remix.mp3", "Xylo.mp3",
                        "song three.mp3"};
  }
  Lines Sent() const { return rig_.client.Lines(); }
  BotRig rig_;
};

TEST_F(SongCommandsTest, ReplaceTextIgnoresCaseAndGoesOnAfterEachReplacement) {
  EXPECT_EQ(ReplaceText("Song.MP3", ".mp3", ""), "Song");
  EXPECT_EQ(ReplaceText("a.mp3.mp3", ".mp3", ""), "a");
  EXPECT_EQ(ReplaceText("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceText(".mp3", ".mp3", ""), "");
  EXPECT_EQ(ReplaceText("abc", "", "x"), "abc");
}

TEST_F(SongCommandsTest, RandomWithOneSongPlaysItAsPositionZero) {
  rig_.songs.names = {"only.mp3"};
  rig_.random = testing::ScriptedRandomness({0.99});
  rig_.Say("r");
  EXPECT_EQ(Sent(), Lines{kNarrow + "rándøm › <b>0</b> › <FONT COLOR=#FF9900><u>ønly.mp3</u>"});
  EXPECT_EQ(rig_.media.plays, 1);
  EXPECT_TRUE(rig_.progress.running);
}

TEST_F(SongCommandsTest, RandomSearchPlaysTheOneMatchAndMarksIt) {
  rig_.Say("r XYLO");
  EXPECT_EQ(rig_.media.opened, Lines{"D:\\music\\Xylo.mp3"});
  EXPECT_EQ(rig_.songs.selected, 3);
  EXPECT_EQ(Sent(), Lines{kNarrow + "rándøm › <b>3</b> › <FONT COLOR=#FF9900> <u>Xylø.mp3</u>"});
  EXPECT_TRUE(rig_.choice.matches.empty());
}

TEST_F(SongCommandsTest, RandomSearchWithAnEmptyTextPicksAmongAllSongs) {
  rig_.random = testing::ScriptedRandomness({0.5});
  rig_.Say("r ");
  EXPECT_EQ(rig_.media.opened, Lines{"D:\\music\\mysong remix.mp3"});
  EXPECT_EQ(rig_.songs.selected, 2);
  rig_.Say("r nothing like it");
  EXPECT_EQ(Sent().back(), kNarrow + "didnt find › <FONT COLOR=#FF9900><u>nøthing liké it</u>");
}

TEST_F(SongCommandsTest, PlaySearchIgnoresBlanksAndPlaysASingleMatch) {
  rig_.Say("p A n o t h e r");
  EXPECT_EQ(rig_.media.opened, Lines{"D:\\music\\Another Day.mp3"});
  EXPECT_EQ(Sent(), Lines{Condensed("pláying › <FONT COLOR=#FF9900><u>Anøthér Dáy.mp3</u>")});
  EXPECT_EQ(rig_.songs.selected, 0);
}

TEST_F(SongCommandsTest, SeveralMatchesOpenAChoiceThatScrollAndANumberClose) {
  rig_.Say("p my song");
  EXPECT_EQ(Sent().back(),
            Condensed("føund <b>2</b> mátchés før <u><b>my søng</b></u> pléásé typé <u>/scrøll</u>"
                      ", <u>/viéw</u>, ør <u>/cáncél</u>"));
  rig_.Say("p 1");
  EXPECT_EQ(Sent().back(), kTypeScrollViewOrCancel) << "a number before /scroll only repeats it";
  EXPECT_TRUE(rig_.media.opened.empty());

  rig_.Say("/scroll");
  EXPECT_EQ(Sent().back(), Condensed("0›  <FONT COLOR=#FF9900>My Søng.mp3"));
  rig_.Tick(0.99);
  EXPECT_EQ(Sent().size(), 3u) << "one second between the lines";
  rig_.Tick(0.01);
  EXPECT_EQ(Sent().back(), Condensed("1›  <FONT COLOR=#FF9900>mysøng rémix.mp3"));
  rig_.Say("p 1");
  EXPECT_EQ(Sent().back(), kTypeScrollViewOrCancel) << "the listing is not over yet";
  rig_.Tick(1);
  EXPECT_EQ(Sent().back(), PickPrompt(1));
  EXPECT_TRUE(rig_.clock.pauses.empty()) << "the listing never waits inside a handler";
  rig_.Tick(5);
  ASSERT_EQ(Sent().size(), 6u);

  rig_.Say("p 2");
  EXPECT_EQ(Sent()[6], Condensed("inválid › <FONT COLOR=#FF9900>numbér"));
  EXPECT_EQ(Sent()[7], PickPrompt(1, "ør", "/cáncél"));
  rig_.Say("p two");
  EXPECT_EQ(Sent().back(), PickPrompt(1, "ør"));
  rig_.Say("p 1");
  EXPECT_EQ(rig_.media.opened, Lines{"D:\\music\\mysong remix.mp3"});
  EXPECT_EQ(Sent().back(),
            Condensed("pláying › <b>2</b> › <FONT COLOR=#FF9900><u>mysøng rémix.mp3</u>"));
  EXPECT_FALSE(rig_.choice.pending);
  EXPECT_TRUE(rig_.choice.matches.empty());
}

TEST_F(SongCommandsTest, NumbersBeyondSixteenBitsAreInvalidChoices) {
  rig_.Say("p song");
  rig_.Say("/scroll");
  rig_.ListToTheEnd();
  for (const char* pick : {"p 65536", "p 1e300", "p -0.6", "p 3"}) {
    rig_.Say(pick);
    EXPECT_EQ(Sent()[Sent().size() - 2], Condensed("inválid › <FONT COLOR=#FF9900>numbér")) << pick;
  }
  rig_.Say("p 0.5");
  EXPECT_EQ(rig_.media.opened, Lines{"D:\\music\\My Song.mp3"}) << "0.5 rounds to 0";
}

TEST_F(SongCommandsTest, CancelClosesTheChoiceAndIsSilentWithoutOne) {
  rig_.Say("/cancel");
  EXPECT_TRUE(Sent().empty());
  rig_.Say("p song");
  rig_.Say("/cancel");
  EXPECT_EQ(Sent().back(), Condensed("multi › <FONT COLOR=#FF9900>cáncéléd"));
  EXPECT_FALSE(rig_.choice.pending);
  rig_.Say("p xylo");
  EXPECT_EQ(rig_.media.opened, Lines{"D:\\music\\Xylo.mp3"}) << "a new search after cancel";
}

TEST_F(SongCommandsTest, ViewHandsTheMatchesToTheResultWindowAndAPickPlaysOne) {
  rig_.Say("p song");
  rig_.Say("/view");
  EXPECT_TRUE(rig_.windows.resultsShown);
  EXPECT_EQ(rig_.windows.results, (Lines{"My Song.mp3", "mysong remix.mp3", "song three.mp3"}));
  EXPECT_EQ(Sent().back(),
            Condensed("viéwing <b>3</b> mátchés før › <FONT COLOR=#FF9900><u>søng</u>"));
  EXPECT_FALSE(rig_.choice.pending);
  rig_.bot.Songs().PickFromResults("song three.mp3");
  EXPECT_EQ(rig_.media.opened, Lines{"D:\\music\\song three.mp3"});
  EXPECT_EQ(Sent().back(), Condensed("pláying › <b>4</b> › <FONT COLOR=#FF9900><u>søng thréé</u>"));
  EXPECT_TRUE(rig_.choice.matches.empty());
}

// Five hundred matches take over eight minutes to list: a command typed
// meanwhile is carried out at once, between two of the listing's lines.
TEST_F(SongCommandsTest, CommandsRunBetweenTheLinesOfALongListing) {
  rig_.songs.names.clear();
  for (int i = 0; i < 500; ++i) rig_.songs.names.push_back("song " + std::to_string(i) + ".mp3");
  rig_.songs.selected = 0;
  rig_.media.state = PlayState::Playing;
  rig_.Say("p song");
  rig_.Say("/scroll");
  rig_.Tick(1);
  rig_.Say("stop");
  EXPECT_EQ(rig_.media.stops, 1);
  ASSERT_EQ(Sent().size(), 4u);
  EXPECT_EQ(Sent()[3], StopAnnouncement(rig_.CurrentStyle(), "song 0.mp3"));
  rig_.ListToTheEnd();
  const Lines sent = Sent();
  ASSERT_EQ(sent.size(), 503u);
  EXPECT_EQ(sent[4], Condensed("2›  <FONT COLOR=#FF9900>søng 2.mp3"));
  EXPECT_EQ(sent[501], Condensed("499›  <FONT COLOR=#FF9900>søng 499.mp3"));
  EXPECT_EQ(sent[502], PickPrompt(499));
  EXPECT_EQ(rig_.clock.now, 500) << "a second after each match";
}

TEST_F(SongCommandsTest, CancelEndsAListingInProgressAndAScrollMeanwhileChangesNothing) {
  rig_.Say("p song");
  rig_.Say("/scroll");
  rig_.Say("/scroll");
  rig_.Tick(1);
  EXPECT_EQ(Sent().size(), 3u);
  rig_.Say("/cancel");
  EXPECT_EQ(Sent().back(), Condensed("multi › <FONT COLOR=#FF9900>cáncéléd"));
  for (int i = 0; i < 5; ++i) rig_.Tick(1);
  EXPECT_EQ(Sent().size(), 4u);
  EXPECT_FALSE(rig_.choice.pending);
  EXPECT_FALSE(rig_.choice.awaitingCommand);
  rig_.Say("p xylo");
  EXPECT_EQ(rig_.media.opened, Lines{"D:\\music\\Xylo.mp3"});
}

// A name that is part of another song's name marks the song of that very
// name, not the last one holding it.
TEST_F(SongCommandsTest, PicksSelectAndAnnounceTheSongOfThatName) {
  rig_.songs.names = {"a.mp3", "ba.mp3"};
  rig_.Say("p a.mp3");
  rig_.Say("/scroll");
  rig_.ListToTheEnd();
  rig_.Say("p 0");
  EXPECT_EQ(Sent().back(), Condensed("pláying › <b>0</b> › <FONT COLOR=#FF9900><u>á.mp3</u>"));
  EXPECT_EQ(rig_.songs.selected, 0);
  rig_.Say("rst");
  EXPECT_EQ(rig_.media.opened.back(), "D:\\music\\a.mp3");
  EXPECT_EQ(Sent().back(), kNarrow + "réstárting ›  <b>0</b> › <FONT COLOR=#FF9900><u>á.mp3</u>");

  rig_.Say("r a.mp3");
  EXPECT_EQ(Sent().back(), kNarrow + "rándøm › <b>0</b> › <FONT COLOR=#FF9900> <u>á.mp3</u>");
  rig_.songs.selected = 1;
  rig_.Say("p a");
  rig_.Say("/view");
  rig_.bot.Songs().PickFromResults("a.mp3");
  EXPECT_EQ(rig_.songs.selected, 0);
  EXPECT_EQ(Sent().back(), Condensed("pláying › <b>0</b> › <FONT COLOR=#FF9900><u>á</u>"));
}

// Songs x1, x2 and y: neither an open choice nor a result window closed
// without a pick lends its matches to a later search.
TEST_F(SongCommandsTest, EverySearchStartsFromNoMatches) {
  rig_.songs.names = {"x1.mp3", "x2.mp3", "y.mp3"};
  rig_.Say("p x");
  rig_.Say("r y");
  EXPECT_EQ(rig_.media.opened, Lines{"D:\\music\\y.mp3"});
  EXPECT_EQ(Sent().back(), kNarrow + "rándøm › <b>2</b> › <FONT COLOR=#FF9900> <u>y.mp3</u>");
  rig_.Say("/view");
  EXPECT_EQ(rig_.windows.results, (Lines{"x1.mp3", "x2.mp3"})) << "the open choice is kept";
  rig_.Say("p zzz");
  EXPECT_EQ(Sent().back(), Condensed("didnt find › <FONT COLOR=#FF9900>zzz"));
  EXPECT_FALSE(rig_.choice.pending);
  rig_.Say("p y");
  EXPECT_EQ(rig_.media.opened.back(), "D:\\music\\y.mp3") << "one match, played at once";
}

// A song that will not open, one named only ".mp3", no songs, no folder.
TEST_F(SongCommandsTest, NothingIsAnnouncedWhenNothingCanPlay) {
  rig_.media.broken = {"D:\\music\\Xylo.mp3"};
  rig_.Say("p xylo");
  EXPECT_FALSE(rig_.progress.running);
  const Lines tried = rig_.media.opened;
  rig_.songs.names = {".mp3", ".MP3"};
  rig_.Say("r mp3");
  rig_.songs.names.clear();
  rig_.Say("r");
  rig_.songs.names = {"a.mp3"};
  rig_.settings.WriteMain("mp3 dir", "");
  rig_.Say("r");
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(rig_.media.opened, tried);
}

}  // namespace
}  // namespace sonorix
