#include "player/player_load.h"

#include <gtest/gtest.h>

#include "chattext/program_lines.h"
#include "fakes/fake_client.h"
#include "fakes/fake_player_parts.h"
#include "fakes/memory_settings_store.h"

namespace sonorix {
namespace {

using namespace sonorix::testing;

class ScriptedDialogs final : public StartupDialogs {
 public:
  void ShowInformation(const std::string& text) override { boxes.push_back(text); }
  std::string BrowseForFolder(const std::string& title) override {
    titles.push_back(title);
    return picked;
  }
  std::string picked;
  std::vector<std::string> boxes;
  std::vector<std::string> titles;
};

// Lists three songs for the one folder that holds them.
class FolderSongList final : public SongList {
 public:
  void SetFolder(const std::string& path) override { folder = path; }
  std::string Folder() const override { return folder; }
  int Count() const override { return folder == "D:\\music" ? 3 : 0; }
  int Selected() const override { return -1; }
  void Select(int) override {}
  std::string Name(int) const override { return {}; }
  const SongNames& Names() const override { return names; }
  std::string folder = "unset";
  SongNames names;
};

class PlayerLoadTest : public ::testing::Test {
 protected:
  MemorySettingsStore store_;
  Settings settings_{store_, "C:\\Sonorix"};
  ScriptedDialogs dialogs_;
  FolderSongList songs_;
};

TEST_F(PlayerLoadTest, FirstStartAsksForTheFolderAndConfirmsTheSongCount) {
  dialogs_.picked = "D:\\music";
  LoadMusicFolder(settings_, songs_, dialogs_);
  EXPECT_EQ(settings_.ReadMain("mp3 dir"), "D:\\music");
  EXPECT_EQ(songs_.folder, "D:\\music");
  EXPECT_EQ(dialogs_.titles, std::vector<std::string>{"Browse For Folder"});
  ASSERT_EQ(dialogs_.boxes.size(), 2u);
  EXPECT_EQ(dialogs_.boxes[0],
            "Welcome to Sonorix. Since this is your first time using this program, you will have "
            "to set up your directory");
  EXPECT_EQ(dialogs_.boxes[1],
            "Thank you, your music directory was set\r\n\r\nSaved directory : D:\\music\r\n\r\n"
            "Song's found : 3");
}

// Cancel is no choice: nothing is stored or told as set, and the next
// start asks again. A folder that could not be stored is not told as set.
TEST_F(PlayerLoadTest, CancelOrAFailedWriteSetsNothingAndClaimsNothing) {
  LoadMusicFolder(settings_, songs_, dialogs_);
  EXPECT_EQ(settings_.ReadMain("mp3 dir"), "");
  EXPECT_EQ(dialogs_.boxes.back(), kNoMusicFolderSet);
  EXPECT_TRUE(store_.writes.empty());
  LoadMusicFolder(settings_, songs_, dialogs_);
  EXPECT_EQ(dialogs_.titles.size(), 2u);

  dialogs_.picked = "D:\\music";
  store_.failWrites = true;
  LoadMusicFolder(settings_, songs_, dialogs_);
  EXPECT_FALSE(dialogs_.boxes.back().starts_with("Thank you")) << "no thanks for a folder not kept";
  EXPECT_EQ(songs_.folder, "D:\\music") << "the list shows it for this run";
}

TEST_F(PlayerLoadTest, LaterStartsUseTheStoredFolderWithoutAsking) {
  settings_.WriteMain("mp3 dir", "D:\\music");
  LoadMusicFolder(settings_, songs_, dialogs_);
  EXPECT_EQ(songs_.folder, "D:\\music");
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_TRUE(dialogs_.titles.empty());
}

TEST_F(PlayerLoadTest, DefaultLookIsNamedOnlyWhereNothingIsNamed) {
  NameDefaultLook(settings_);
  EXPECT_EQ(settings_.ReadMain("preset"), "default");
  EXPECT_EQ(settings_.ReadMain("style"), "sonorix");
  settings_.WriteMain("preset", "night");
  settings_.WriteMain("style", "neon");
  NameDefaultLook(settings_);
  EXPECT_EQ(settings_.ReadMain("preset"), "night");
  EXPECT_EQ(settings_.ReadMain("style"), "neon");
}

TEST_F(PlayerLoadTest, AnnouncesBannerThenSummaryWithAPauseBetween) {
  NameDefaultLook(settings_);
  FakeClient client;
  FakeClock clock;
  clock.duringPause = [&] { EXPECT_EQ(client.Lines().size(), 1u); };
  AnnounceStart(settings_, client.aol, clock, 0);
  const Style style = settings_.ReadCurrentStyle();
  EXPECT_EQ(client.Lines(),
            (std::vector<std::string>{StartupBanner(style),
                                      SummaryLine(style, 0, "default", "sonorix")}));
  EXPECT_EQ(clock.pauses, std::vector<double>{0.1});
}

}  // namespace
}  // namespace sonorix
