// A whole command bot wired to fakes: a client, a player and its windows.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "bot/chat_bot.h"
#include "chattext/command_registry.h"
#include "fakes/fake_client.h"
#include "fakes/fake_player_parts.h"
#include "fakes/memory_settings_store.h"

namespace sonorix::testing {

class FakeVolume final : public VolumeControl {
 public:
  void SetVolume(int level) override { levels.push_back(level); }
  std::vector<int> levels;
};

class FakeBotWindows final : public BotWindows {
 public:
  void FillResults(const std::vector<std::string>& matches) override {
    results.insert(results.end(), matches.begin(), matches.end());
  }
  void ShowResults() override { resultsShown = true; }
  int CommandCount() override { return static_cast<int>(CommandListLines().size()); }
  std::vector<std::string> ListIniFiles(const std::string& folder) override {
    return files[folder];
  }
  void ApplyPlayerPreset(const Preset& preset) override { playerPresets.push_back(preset.name); }
  bool IsShown(LookWindow window) override { return shown.count(window) != 0; }
  void Open(LookWindow window) override { shown.insert(window); }
  void Close(LookWindow window) override { shown.erase(window); }
  std::vector<std::string> results;
  bool resultsShown = false;
  std::map<std::string, std::vector<std::string>> files;  // by folder
  std::vector<std::string> playerPresets;                 // as the player took them
  std::set<LookWindow> shown;
};

// The "neon" style's two line shapes, before the words.
inline const std::string kNarrow =
    R"(<FONT COLOR=#FF9900><font  face="arial narrow">» <font color=#FFFFFF>)";
inline const std::string kCondensed =
    R"(<FONT COLOR=#FF9900><font  face="abadi mt condensed light">» <FONT COLOR=#FFFFFF>)";
inline std::string Narrow(const std::string& rest) { return kNarrow + rest; }
inline std::string Condensed(const std::string& rest) { return kCondensed + rest; }

// The signed-on user is "Dorvin"; the style "neon" is current.
struct BotRig {
  BotRig() {
    settings.WriteMain("mp3 dir", "D:\\music");
    settings.WriteMain("preset", "default");
    settings.WriteMain("style", "neon");
    const std::string file = settings.StyleFile("neon");
    settings.WriteIni("styles", "acolor", "FF9900", file);
    settings.WriteIni("styles", "ascii", "»", file);
    settings.WriteIni("styles", "fcolor", "FFFFFF", file);
  }

  Style CurrentStyle() const { return settings.ReadCurrentStyle(); }
  void Say(const std::string& text) { bot.DispatchChatLine("Dorvin", text); }
  // A timer tick after the given seconds.
  void Tick(double seconds) {
    clock.now += seconds;
    bot.Tick();
  }
  // Lets a "/scroll" listing run to its end, a second at a time.
  void ListToTheEnd() {
    while (bot.Songs().ListingRuns()) Tick(1);
  }

  MemorySettingsStore store;
  Settings settings{store, "C:\\Sonorix"};
  FakeClient client;
  FakeMediaPlayer media;
  FakeVolume volume;
  FakeSongList songs;
  FakeProgress progress;
  FakeClock clock;
  ScriptedRandomness random{{0.0}};
  EndOfSongModes modes;
  Player player{{settings, client.aol, media, songs, progress, clock, random, modes}};
  SongChoice choice;
  FakeBotWindows windows;
  // Reports the room's lines to the bot once started.
  ChatScan scan{client.aol, client.tree, clock, [this](const ChatLineEvent& line) {
                  bot.DispatchChatLine(line.screenName, line.text);
                }};
  ChatBot bot{{settings, client.aol, media, volume, songs, progress, clock, random, player, choice,
               windows, modes, scan}};
};

}  // namespace sonorix::testing
