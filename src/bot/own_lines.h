// Recognising the program's own lines when the transcript brings them back,
// so that no decoration, song name or text of the user makes a reply run a
// command, however the client renders the line.
#pragma once

#include <deque>
#include <string>
#include <string_view>

namespace sonorix {

// Whether a chat client could show the html line as this text. Clients
// differ in how they render, so every rendering of this family counts:
// each "<" either starts a hidden tag that ends at the next ">" (or with
// the line) or shows as text; blanks may be added, dropped or changed; an
// entity ("&amp;") may show as one character; a character that the
// client's code page (Windows-1252) lacks may show as any one character
// (two for one beyond the 16-bit range).
//
// A line can render so many ways that following them all would take time
// growing with the square of its length (thousands of "&;" do that). The
// walk is bounded by a number of steps in proportion to the two lengths; a
// pair still unsettled then is taken to be a rendering, since being wrong
// that way costs one line of the user's, and the other way could let a
// reply run a command.
bool MayShowAs(std::string_view html, std::string_view text);

// The same, within the given number of steps; MayShowAs gives it a number in
// proportion to the two lengths. Beyond the bound the answer is true.
bool MayShowAsWithin(std::string_view html, std::string_view text, std::size_t steps);

// The lines the program typed and the client has not yet shown back. The
// client shows its user's lines in the order they were typed, so a line
// that comes back settles every line typed before it: those were lost
// (no room to show them, or another room) and will not come back. While
// the client shows lines back at all, only the few lines of the last
// seconds are in flight; the bound only keeps a client that never does
// from filling the memory.
class OwnLines {
 public:
  // A line the program typed into the room.
  void Remember(std::string_view html);
  // True, once per line typed, for a transcript text that shows one of the
  // lines in flight; the oldest such line is taken.
  bool TakeEcho(std::string_view text);
  std::size_t InFlight() const { return inFlight_.size(); }

 private:
  static constexpr std::size_t kMostInFlight = 1024;
  std::deque<std::string> inFlight_;
};

}  // namespace sonorix
