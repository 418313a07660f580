#include "bot/song_commands.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "bot/numbers.h"
#include "chattext/song_lines.h"
#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

constexpr std::string_view kMp3 = ".mp3";

}  // namespace

std::string ReplaceText(std::string source, std::string_view find, std::string_view replacement) {
  // An empty text is found everywhere and would be replaced without end.
  if (find.empty()) return source;
  const std::string needle = LowerCase(find);
  for (auto at = LowerCase(source).find(needle); at != std::string::npos;
       at = LowerCase(source).find(needle, at + replacement.size())) {
    source.replace(at, find.size(), replacement);
  }
  return source;
}

// The songs whose names hold the search, in song-list order. Each search
// starts from none: an earlier search's names never count towards it.
std::vector<std::string> SongCommands::Matches(std::string_view search, bool ignoreBlanks) const {
  const SongNames& names = p_.songs.Names();
  std::vector<std::string> matches;
  for (const int position : names.Containing(search, ignoreBlanks)) {
    matches.emplace_back(names.Name(position));
  }
  return matches;
}

// Selects the song of exactly that name, so that a name which is part of
// another (a.mp3 in ba.mp3) selects and announces its own song.
void SongCommands::Mark(std::string_view name) {
  const int position = p_.songs.Names().Find(name);
  if (position >= 0) p_.songs.Select(position);
}

bool SongCommands::OpenSong(const std::string& name) {
  return p_.media.Open(p_.songs.Folder() + "\\" + name);
}

void SongCommands::ClearMatches() { p_.choice.matches.clear(); }

Flow SongCommands::Random() {
  if (p_.settings.ReadMain(kMusicFolderKey).empty() || p_.songs.Count() == 0) return Flow::EndLine;
  p_.player.RandomButton();
  return Flow::Continue;
}

// Uses a list of its own: an open choice keeps its matches.
Flow SongCommands::RandomSearch(const Style& style, std::string_view search) {
  const std::vector<std::string> matches = Matches(search, false);
  if (matches.empty()) {
    p_.aol.SendChat(RandomSearchMissLine(style, search));
    return Flow::EndLine;
  }
  const bool several = matches.size() > 1;
  std::size_t k = 0;
  if (several) {
    k = std::min(static_cast<std::size_t>(p_.random.Next() * matches.size()), matches.size() - 1);
    p_.choice.scratch = ReplaceText(matches[k], kMp3, "");
    p_.choice.lastStarted = p_.choice.scratch;
    // A file named only ".mp3" plays nothing and is not mentioned.
    if (p_.choice.scratch.empty()) return Flow::Continue;
  }
  const std::string& picked = matches[k];
  if (OpenSong(picked)) {
    p_.choice.lastStarted = picked;
    p_.progress.Start();
    Mark(picked);
    p_.aol.SendChat(RandomSearchPlayLine(style, p_.songs.Selected(), picked));
  }
  return several ? Flow::Continue : Flow::EndLine;
}

Flow SongCommands::PlaySearch(const Style& style, std::string_view text) {
  auto& choice = p_.choice;
  if (choice.awaitingCommand) {
    p_.aol.SendChat(PleaseTypeLine(style));
  }
  if (!choice.pending) {
    choice.searchText = std::string(text);
    choice.matches = Matches(text, true);
    if (choice.matches.size() == 1) {
      const std::string song = choice.matches.front();
      if (OpenSong(song)) {
        choice.lastStarted = song;
        p_.progress.Start();
        p_.aol.SendChat(SearchPlayLine(style, song));
        Mark(song);
      }
      ClearMatches();
      return Flow::EndLine;
    }
    if (choice.matches.empty()) {
      p_.aol.SendChat(SearchMissLine(style, text));
    } else {
      choice.pending = true;
      choice.awaitingCommand = true;
      p_.aol.SendChat(MatchesFoundLine(style, choice.matches.size(), text));
    }
  }
  if (!choice.pending) return Flow::Continue;
  if (choice.awaitingCommand) return Flow::EndLine;
  return PickByNumber(style, text);
}

// Numbers outside 16 bits name no match, like any other number too large.
Flow SongCommands::PickByNumber(const Style& style, std::string_view text) {
  auto& choice = p_.choice;
  const auto number = ParseNumber(text);
  if (!number) {
    p_.aol.SendChat(ChoicePromptLine(style, LastNumber()));
    return Flow::EndLine;
  }
  const double k = RoundHalfEven(*number);
  const bool inList = k >= 0 && k <= std::numeric_limits<short>::max() &&
                      k < static_cast<double>(choice.matches.size());
  const std::string picked = inList ? choice.matches[static_cast<std::size_t>(k)] : "";
  if (ReplaceText(picked, kMp3, "").empty()) {
    p_.aol.SendChat(InvalidNumberLine(style));
    p_.clock.Pause(0.1);
    p_.aol.SendChat(ChoiceRepromptLine(style, LastNumber()));
    return Flow::EndLine;
  }
  if (OpenSong(picked)) {
    choice.lastStarted = picked;
    choice.scratch = ReplaceText(picked, kMp3, "");
    p_.progress.Start();
    Mark(picked);
    p_.aol.SendChat(ChoicePlayLine(style, p_.songs.Selected(), picked));
  }
  choice.pending = false;
  ClearMatches();
  choice.awaitingCommand = false;
  return Flow::EndLine;
}

long SongCommands::LastNumber() const { return static_cast<long>(p_.choice.matches.size()) - 1; }

// The lines go out one a second from Tick, so that other commands run
// between them; a "/scroll" while they do changes nothing.
Flow SongCommands::Scroll(const Style& style) {
  auto& choice = p_.choice;
  if (!choice.pending || listing_) return Flow::Continue;
  Listing listing;
  for (std::size_t i = 0; i < choice.matches.size(); ++i) {
    listing.lines.push_back(ListingLine(style, i, choice.matches[i]));
  }
  listing.lines.push_back(ListingEndLine(style, LastNumber()));
  listing.due = p_.clock.Seconds();
  listing_ = std::move(listing);
  Tick();
  return Flow::Continue;
}

// A second after each listed match comes the next; the prompt ends it and
// the choice then waits for a number.
void SongCommands::Tick() {
  if (!listing_ || p_.clock.Seconds() < listing_->due) return;
  const std::string line = listing_->lines[listing_->next++];
  if (listing_->next == listing_->lines.size()) {
    listing_.reset();
    p_.aol.SendChat(line);
    p_.choice.awaitingCommand = false;
    return;
  }
  p_.aol.SendChat(line);
  listing_->due = p_.clock.Seconds() + 1;
}

Flow SongCommands::Cancel(const Style& style) {
  auto& choice = p_.choice;
  if (!choice.pending) return Flow::Continue;
  p_.aol.SendChat(ChoiceCanceledLine(style));
  listing_.reset();
  ClearMatches();
  choice.awaitingCommand = false;
  choice.pending = false;
  return Flow::Continue;
}

Flow SongCommands::View(const Style& style) {
  auto& choice = p_.choice;
  if (!choice.pending) return Flow::Continue;
  p_.windows.FillResults(choice.matches);
  p_.aol.SendChat(MatchesViewedLine(style, choice.matches.size(), choice.searchText));
  p_.windows.ShowResults();
  listing_.reset();
  choice.awaitingCommand = false;
  choice.pending = false;
  return Flow::Continue;
}

void SongCommands::PickFromResults(const std::string& picked) {
  auto& choice = p_.choice;
  choice.lastStarted = ReplaceText(picked, kMp3, "");
  const bool opened = OpenSong(picked);
  const Style style = p_.settings.ReadCurrentStyle();
  Mark(picked);
  if (opened) {
    p_.aol.SendChat(ChoicePlayLine(style, p_.songs.Selected(), choice.lastStarted));
    p_.progress.Start();
  }
  choice.awaitingCommand = false;
  ClearMatches();
  choice.scratch.clear();
}

}  // namespace sonorix
