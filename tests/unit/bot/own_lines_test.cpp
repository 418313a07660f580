#include "bot/own_lines.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <functional>
#include <tuple>

#include "aolsim/chat_markup.h"
#include "fakes/fake_bot_parts.h"

namespace sonorix {
namespace {

using testing::BotRig;
using Render = std::function<std::string(std::string_view)>;

// A client that hides every "<" up to the next ">" or the end of the line.
std::string DropUnclosedTags(std::string_view html) {
  std::string text;
  for (std::size_t at = 0; at < html.size(); ++at) {
    if (html[at] != '<') {
      text += html[at];
      continue;
    }
    at = html.find('>', at);
    if (at == std::string_view::npos) break;
  }
  return text;
}

std::string DecodeEntities(std::string_view text) {
  static const std::vector<std::pair<std::string, std::string>> kEntities = {
      {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#62;", ">"}};
  std::string decoded;
  for (std::size_t at = 0; at < text.size();) {
    const auto entity = std::find_if(kEntities.begin(), kEntities.end(), [&](const auto& e) {
      return text.substr(at, e.first.size()) == e.first;
    });
    if (entity == kEntities.end()) {
      decoded += text[at++];
      continue;
    }
    decoded += entity->second;
    at += entity->first.size();
  }
  return decoded;
}

// A browser-like client: a tag starts with "<" and a letter or "/", an
// unclosed one hides the rest, runs of blanks show as one, entities decode.
std::string RenderLikeABrowser(std::string_view html) {
  std::string text;
  for (std::size_t at = 0; at < html.size(); ++at) {
    const char next = at + 1 < html.size() ? html[at + 1] : '\0';
    if (html[at] == '<' && (std::isalpha(static_cast<unsigned char>(next)) || next == '/')) {
      at = html.find('>', at);
      if (at == std::string_view::npos) break;
    } else if (html[at] != ' ' || text.empty() || text.back() != ' ') {
      text += html[at];
    }
  }
  return DecodeEntities(text);
}

// The stand-in client behind a code page that lacks everything from U+0100
// on but "›": each such character comes back as "?", or "??" beyond 16 bits.
std::string RenderThroughACodePage(std::string_view html) {
  const std::string text = aolsim::StripTags(html);
  std::string shown;
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    const std::string character = text.substr(at, length);
    const bool kept = lead < 0xC4 || character == "›";
    shown += kept ? character : length == 4 ? "??" : "?";
    at += length;
  }
  return shown;
}

const std::vector<std::pair<const char*, Render>>& Clients() {
  static const std::vector<std::pair<const char*, Render>> clients = {
      {"stand-in", [](std::string_view html) { return aolsim::StripTags(html); }},
      {"drops unclosed tags", DropUnclosedTags},
      {"browser", RenderLikeABrowser},
      {"code page", RenderThroughACodePage}};
  return clients;
}

TEST(MayShowAs, EveryTagRuleOfTheFamilyShowsTheLine) {
  const std::string html = R"(<FONT COLOR=#1><font  face="a b">p <u>didnt</u> › <x &amp; a<b>c)";
  for (const auto& [name, render] : Clients()) {
    EXPECT_TRUE(MayShowAs(html, render(html))) << name;
  }
  EXPECT_TRUE(MayShowAs(html, "p didnt › <x & a<b>c"));
  EXPECT_TRUE(MayShowAs("日本 <b>x", "?? x"));
  EXPECT_TRUE(MayShowAs("日本 <b>x", "ab x")) << "best-fit look-alikes";
  EXPECT_TRUE(MayShowAs("a 😀", "a ??"));
}

TEST(MayShowAs, AnotherLineOrACommandIsNoRendering) {
  const std::string stopped = R"(<FONT COLOR=#1><font  face="a">» <font color=#2>støppéd ›)"
                              R"( <FONT COLOR=#1><u>stop</u>)";
  for (const char* text : {"stop", "» støppéd", "» støppéd › stop x", "» stopped › stop", ""}) {
    EXPECT_FALSE(MayShowAs(stopped, text)) << text;
  }
  EXPECT_FALSE(MayShowAs("a<b>c", "a<b>cd"));
  EXPECT_FALSE(MayShowAs("日本", "?")) << "one shown character for each one typed";
}

// Thousands of "&;" would take the full walk seconds: it stops after steps
// in proportion to the lengths, and an unsettled pair counts as a rendering.
TEST(MayShowAs, ATangledLineIsSettledWithinBoundedStepsAndThenTakenForOurs) {
  std::string entities;
  for (int i = 0; i < 300; ++i) entities += "&;";
  const std::string html = "<b>" + entities;
  EXPECT_FALSE(MayShowAsWithin(html, entities + "x", SIZE_MAX)) << "the full walk refutes it";
  EXPECT_TRUE(MayShowAs(html, entities + "x"));
  EXPECT_TRUE(MayShowAs(html, entities));
  EXPECT_FALSE(MayShowAs(html, "p song")) << "a short line is still told apart";
}

// What the commands changed, so that a line obeyed without a reply shows.
auto Effects(BotRig& rig) {
  return std::make_tuple(rig.client.Lines(), rig.media.opened, rig.media.plays, rig.media.stops,
                         rig.media.seeks, rig.media.state, rig.volume.levels, rig.songs.selected,
                         rig.choice.pending, rig.choice.awaitingCommand, rig.choice.matches,
                         rig.windows.results, rig.modes.AutoRandom(), rig.modes.Continuous());
}

// The room: the user's lines and the program's own come back as the
// client shows them, the program's after whatever it typed for a line.
class EchoRoom {
 public:
  EchoRoom(BotRig& rig, Render render) : rig_(rig), render_(std::move(render)) {}

  // The user types the line; every line the program typed comes back, and
  // none of them may change anything.
  void Type(const std::string& line) {
    rig_.Say(render_(line));
    EchoAll();
    while (rig_.bot.Songs().ListingRuns()) {
      rig_.Tick(1);
      EchoAll();
    }
  }
  void EchoAll() {
    const auto lines = rig_.client.Lines();
    const auto before = Effects(rig_);
    for (std::size_t i = echoed_; i < lines.size(); ++i) rig_.Say(render_(lines[i]));
    echoed_ = lines.size();
    EXPECT_TRUE(Effects(rig_) == before) << "an echo was obeyed, last line: " << lines.back();
  }

 private:
  BotRig& rig_;
  Render render_;
  std::size_t echoed_ = 0;
};

void PlayScript(BotRig& rig, EchoRoom& room) {
  for (const char* line :
       {"p <x", "p zz<q", "p a<b>c", "p &amp;", "p mp3", "/scroll", "p 1", "p .mp3", "/view"}) {
    room.Type(line);
  }
  rig.bot.Songs().PickFromResults("日本 p.mp3");
  room.EchoAll();
  for (const char* line :
       {"r",    "r <x",    "r zz<y", "r mp3", "v 5<x",  "v 50",   "v 500",  "ff 1<x",    "ff 999",
        "rr 1", "ff 0:01", "pause",  "pause", "xpause", "xpause", "rst",    "songs?",    "stop",
        "adv",  "date",    "time",   "coms?", "arand",  "cont",   "p 日本", "p <b>p</b>"}) {
    room.Type(line);
  }
}

TEST(OwnLines, NoDecorationSongNameOrUserTextIsObeyedWhenItComesBack) {
  for (const auto& [client, render] : Clients()) {
    for (const char* ascii : {"p", "r", "v", "ff", "rr", "p <", "<", "<p>", "&", "stop", ""}) {
      SCOPED_TRACE(std::string(client) + ", decoration '" + ascii + "'");
      BotRig rig;
      rig.settings.WriteIni("styles", "ascii", ascii, rig.settings.StyleFile("neon"));
      rig.settings.WriteMain("mp3 dir", "D:\\p <m &amp;");
      rig.songs.names = {"p <x.mp3", "p a<b>c.mp3",        "r &amp; b.mp3", "日本 p.mp3",
                         "<u>.mp3",  "p  two  blanks.mp3", "v 5.mp3"};
      EchoRoom room(rig, render);
      PlayScript(rig, room);
    }
  }
}

// A listing longer than any fixed memory of sent lines comes back whole
// only after its last line was typed.
TEST(OwnLines, ALongListingComingBackLateIsNotObeyed) {
  BotRig rig;
  rig.settings.WriteIni("styles", "ascii", "p", rig.settings.StyleFile("neon"));
  for (int i = 0; i < 70; ++i) rig.songs.names.push_back("song " + std::to_string(i) + ".mp3");
  rig.Say("p song");
  rig.Say("/scroll");
  rig.ListToTheEnd();
  ASSERT_EQ(rig.client.Lines().size(), 72u);
  EchoRoom room(rig, [](std::string_view html) { return aolsim::StripTags(html); });
  room.EchoAll();
}

TEST(OwnLines, ALineComingBackSettlesTheLinesTypedBeforeIt) {
  OwnLines own;
  for (const char* line : {"<b>lost</b>", "<b>one</b>", "<b>two</b>", "<b>one</b>"}) {
    own.Remember(line);
  }
  EXPECT_FALSE(own.TakeEcho("three"));
  EXPECT_TRUE(own.TakeEcho("one"));
  EXPECT_EQ(own.InFlight(), 2u) << "the lost line is settled, the second one is still due";
  EXPECT_TRUE(own.TakeEcho("two"));
  EXPECT_TRUE(own.TakeEcho("one"));
  EXPECT_FALSE(own.TakeEcho("one"));
  EXPECT_EQ(own.InFlight(), 0u);
}

TEST(OwnLines, AnEchoIsTakenOnceAndTheUsersOwnLinesStillCount) {
  BotRig rig;
  rig.settings.WriteIni("styles", "ascii", "p", rig.settings.StyleFile("neon"));
  rig.media.state = PlayState::Playing;
  rig.songs.names = {"a.mp3"};
  rig.songs.selected = 0;
  rig.Say("p zzz");
  const std::string echo = aolsim::StripTags(rig.client.Lines().back());
  EXPECT_EQ(echo.rfind("p didnt find", 0), 0u);
  rig.Say("stop");
  EXPECT_EQ(rig.media.stops, 1) << "typed before the echo came back, still a command";
  rig.Say(echo);
  rig.Say(aolsim::StripTags(rig.client.Lines().back()));
  EXPECT_EQ(rig.client.Lines().size(), 2u) << "both echoes are the program's own lines";
  rig.Say(echo);
  EXPECT_EQ(rig.client.Lines().size(), 3u) << "typed again by the user, it is a command";
}

}  // namespace
}  // namespace sonorix
