#include "bot/look_commands.h"

#include <gtest/gtest.h>

#include "fakes/fake_bot_parts.h"

namespace sonorix {
namespace {

using testing::BotRig;
using Lines = std::vector<std::string>;

std::string Condensed(const std::string& acolor, const std::string& ascii,
                      const std::string& fcolor, const std::string& rest) {
  return "<FONT COLOR=#" + acolor + R"(><font  face="abadi mt condensed light">)" + ascii +
         " <FONT COLOR=#" + fcolor + ">" + rest;
}
std::string Neon(const std::string& rest) { return Condensed("FF9900", "»", "FFFFFF", rest); }

// Styles "Neon Nights" (nights.ini), "Blue" (b.ini) and one without a name;
// presets "Dark" and "Dawn".
struct LookRig : BotRig {
  LookRig() {
    AddStyle("nights.ini", "Neon Nights", "00FF00", "~", "0000FF");
    AddStyle("b.ini", "Blue", "0000FF", "*", "000080");
    windows.files["C:\\Sonorix\\styles\\"] = {"nights.ini", "nameless.ini", "b.ini", "notes.txt"};
    for (const char* name : {"Dark", "Dawn"}) {
      settings.WriteIni("preset", "name", name, settings.PresetFile(name));
    }
    windows.files["C:\\Sonorix\\presets\\"] = {"Dawn.ini", "Dark.ini"};
  }
  void AddStyle(const std::string& file, const std::string& name, const std::string& acolor,
                const std::string& ascii, const std::string& fcolor) {
    const std::string path = "C:\\Sonorix\\styles\\" + file;
    settings.WriteIni("styles", "style", name, path);
    // The file the name leads to holds the colours.
    for (const std::string& target : {path, settings.StyleFile(name)}) {
      settings.WriteIni("styles", "acolor", acolor, target);
      settings.WriteIni("styles", "ascii", ascii, target);
      settings.WriteIni("styles", "fcolor", fcolor, target);
    }
  }
};

// Files are read in name order: b.ini, nameless.ini, nights.ini.
TEST(LookCommands, LoadStylePicksTheFirstNameHoldingTheQueryAndAnswersInIt) {
  const struct {
    const char* line;
    const char* current;  // afterwards
    std::string reply;
  } cases[] = {
      {"ls NIGHT", "Neon Nights",
       Condensed("00FF00", "~", "0000FF", "stylé sét › <FONT COLOR=#00FF00>Néøn Nights")},
      {"ls   e  ", "Blue",
       Condensed("0000FF", "*", "000080", "stylé sét › <FONT COLOR=#0000FF>Blué")},
      {"ls ", "Blue", Condensed("0000FF", "*", "000080", "stylé sét › <FONT COLOR=#0000FF>Blué")},
      {"ls red", "neon", Neon("stylé › <FONT COLOR=#FF9900>nøt føund")},
  };
  for (const auto& c : cases) {
    LookRig rig;
    rig.Say(c.line);
    EXPECT_EQ(rig.settings.ReadMain("style"), c.current) << c.line;
    EXPECT_EQ(rig.client.Lines(), Lines{c.reply}) << c.line;
  }
}

TEST(LookCommands, LoadPresetRecoloursThePlayerOnlyWhenOneIsFound) {
  LookRig rig;
  rig.Say("lp  dar ");
  rig.Say("lp x");
  rig.Say("lp");
  EXPECT_EQ(rig.windows.playerPresets, Lines{"Dark"});
  EXPECT_EQ(rig.settings.ReadMain("preset"), "Dark");
  EXPECT_EQ(rig.client.Lines(), (Lines{Neon("prését sét › <FONT COLOR=#FF9900>Dárk"),
                                       Neon("prését › <FONT COLOR=#FF9900>nøt føund")}))
      << "\"lp\" alone is no command";
}

// Names come from inside the files: one that may not be a file name never
// becomes current, and a look that could not be stored is not told as set.
TEST(LookCommands, ALookIsSetOnlyUnderAUsableNameAndOnlyWhenStored) {
  LookRig rig;
  rig.settings.WriteIni("preset", "name", "..\\..\\outside", "C:\\Sonorix\\presets\\evil.ini");
  rig.settings.WriteIni("styles", "style", "COM1", "C:\\Sonorix\\styles\\c.ini");
  rig.windows.files["C:\\Sonorix\\presets\\"].push_back("evil.ini");
  rig.windows.files["C:\\Sonorix\\styles\\"].push_back("c.ini");
  const std::string preset = rig.settings.ReadMain("preset"),
                    style = rig.settings.ReadMain("style");
  rig.Say("lp outside");
  rig.Say("ls com");
  rig.store.failWrites = true;
  rig.Say("ls night");
  rig.Say("lp dark");
  EXPECT_EQ(rig.settings.ReadMain("preset"), preset);
  EXPECT_EQ(rig.settings.ReadMain("style"), style);
  EXPECT_TRUE(rig.windows.playerPresets.empty());
  EXPECT_EQ(rig.client.Lines(), (Lines{Neon("prését › <FONT COLOR=#FF9900>nøt føund"),
                                       Neon("stylé › <FONT COLOR=#FF9900>nøt føund")}));
}

TEST(LookCommands, WindowCommandsSwapWindowsAndSayWhatTheyDid) {
  LookRig rig;
  for (const char* line : {"vcmds", "VCMDS", "vsty", "xcmds", "xcmds", "xpre", "vpre"})
    rig.Say(line);
  EXPECT_EQ(rig.windows.shown, (std::set<LookWindow>{LookWindow::Styles, LookWindow::Presets}));
  EXPECT_EQ(rig.client.Lines(),
            (Lines{Neon("viéwing <u>cømmánds</u>"), Neon("álréády shøwing <u>cømmánds</u>"),
                   Neon("viéwing <u>stylés</u>"), Neon("hiddén <u>cømmánds</u>"),
                   Neon("álréády hiddén <u>cømmánds</u>"), Neon("álréády hiddén <u>préséts</u>"),
                   Neon("viéwing <u>préséts</u>")}));
}

}  // namespace
}  // namespace sonorix
