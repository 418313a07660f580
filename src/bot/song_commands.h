// Starting songs from the chat: at random, by search, and by choosing among
// several matches.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bot/bot_parts.h"

namespace sonorix {

// Replaces every occurrence of find (letter case ignored) and goes on right
// after each replacement. An empty find changes nothing.
std::string ReplaceText(std::string source, std::string_view find, std::string_view replacement);

class SongCommands {
 public:
  explicit SongCommands(BotParts parts) : p_(parts) {}

  Flow Random();
  Flow RandomSearch(const Style& style, std::string_view search);
  Flow PlaySearch(const Style& style, std::string_view text);
  Flow Scroll(const Style& style);
  Flow Cancel(const Style& style);
  Flow View(const Style& style);
  // A double-click on a match in the result window.
  void PickFromResults(const std::string& picked);
  // Sends the next line of a "/scroll" listing once its second has passed.
  void Tick();
  bool ListingRuns() const { return listing_.has_value(); }

 private:
  std::vector<std::string> Matches(std::string_view search, bool ignoreBlanks) const;
  void Mark(std::string_view name);
  bool OpenSong(const std::string& name);
  // The highest number a pick may name.
  long LastNumber() const;
  Flow PickByNumber(const Style& style, std::string_view text);
  void ClearMatches();

  // The lines of a "/scroll" listing still to go, one a second.
  struct Listing {
    std::vector<std::string> lines;
    std::size_t next = 0;
    double due = 0;
  };

  BotParts p_;
  std::optional<Listing> listing_;
};

}  // namespace sonorix
