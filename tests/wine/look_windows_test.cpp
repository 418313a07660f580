#include "wine/look_fixture.h"

namespace sonorix {
namespace {

using namespace sonorix::testing;

TEST_F(LookWindowsTest, LookCommandsAnswerByteForByteAndTakeEffectAtOnce) {
  EXPECT_EQ(Replies("ls NEO", 1), Lines{Condensed(kNeon, "stylé sét › <FONT COLOR=#00FF00>néøn")});
  EXPECT_EQ(Replies("ls zz", 1), Lines{Condensed(kNeon, "stylé › <FONT COLOR=#00FF00>nøt føund")})
      << "the very next reply speaks in the new style";
  EXPECT_EQ(Replies("ls  sonorix ", 1),
            Lines{Condensed(kTestStyle, "stylé sét › <FONT COLOR=#FF9900>sønørix")});
  EXPECT_EQ(Replies("lp nig", 1),
            Lines{Condensed(kTestStyle, "prését sét › <FONT COLOR=#FF9900>night")});
  EXPECT_EQ(ListTextColour(Player()), kNightList);
  EXPECT_TRUE(Pump(
      [&] {
        const COLORREF left = StripColourAtLeft(Player());
        return GetRValue(left) > 200 && GetBValue(left) < 60;
      },
      5s))
      << "the strip fades from the preset's red";
  EXPECT_EQ(Replies("lp day", 1),
            Lines{Condensed(kTestStyle, "prését › <FONT COLOR=#FF9900>nøt føund")});
  EXPECT_EQ(ProfileStore().Read("Sonorix", "preset", folder_->SettingsFile()), "night");
}

TEST_F(LookWindowsTest, WindowCommandsSwapThePlayerForTheirWindow) {
  const auto reply = [](const char* said, const char* word) {
    return Lines{Condensed(kTestStyle, std::string(said) + " <u>" + word + "</u>")};
  };
  EXPECT_EQ(Replies("xcmds", 1), reply("álréády hiddén", "cømmánds"));
  EXPECT_EQ(Replies("vcmds", 1), reply("viéwing", "cømmánds"));
  EXPECT_TRUE(app_->CommandList().IsVisible());
  EXPECT_FALSE(IsWindowVisible(Player()));
  EXPECT_EQ(Replies("vcmds", 1), reply("álréády shøwing", "cømmánds"));
  EXPECT_EQ(Replies("xcmds", 1), reply("hiddén", "cømmánds"));
  EXPECT_TRUE(IsWindowVisible(Player()));
  EXPECT_EQ(Replies("vsty", 1), reply("viéwing", "stylés"));
  ASSERT_NE(app_->Styles(), nullptr);
  EXPECT_TRUE(app_->Styles()->IsShown());
  EXPECT_EQ(Replies("xsty", 1), reply("hiddén", "stylés"));
  EXPECT_EQ(Replies("xsty", 1), reply("álréády hiddén", "stylés"));
  EXPECT_EQ(Replies("vpre", 1), reply("viéwing", "préséts"));
  ASSERT_NE(app_->Presets(), nullptr);
  EXPECT_TRUE(app_->Presets()->IsShown());
  EXPECT_FALSE(IsWindowVisible(Player()));
  EXPECT_EQ(Replies("vpre", 1), reply("álréády shøwing", "préséts"));
  EXPECT_EQ(Replies("xpre", 1), reply("hiddén", "préséts"));
  EXPECT_FALSE(app_->Presets()->IsShown());
  EXPECT_TRUE(IsWindowVisible(Player()));
}

}  // namespace
}  // namespace sonorix
