// What the room hears about songs: the player's announcements and the
// replies of the song commands ("r", "r *", "p *" and its choice).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/settings.h"

namespace sonorix {

// The play button's word has no trailing blank; the list double-click's has one.
enum class PlayWord { Button, DoubleClick };

std::string PlayAnnouncement(const Style& style, PlayWord word, int position,
                             std::string_view fileName);
std::string RandomAnnouncement(const Style& style, int position, std::string_view fileName);
std::string StopAnnouncement(const Style& style, std::string_view fileName);
// The end-of-song lines show the file name plain: no accents, no underline.
std::string EndOfSongRandomAnnouncement(const Style& style, std::string_view fileName);
std::string EndOfSongPlayAnnouncement(const Style& style, std::string_view fileName);

// "r *": nothing found, or the song picked among the matches.
std::string RandomSearchMissLine(const Style& style, std::string_view search);
std::string RandomSearchPlayLine(const Style& style, int position, std::string_view fileName);

// "p *": one match plays at once, none is said so, several open a choice.
std::string SearchPlayLine(const Style& style, std::string_view fileName);
std::string SearchMissLine(const Style& style, std::string_view search);
std::string MatchesFoundLine(const Style& style, std::size_t count, std::string_view search);
// Said while the choice still waits for "/scroll", "/view" or "/cancel".
std::string PleaseTypeLine(const Style& style);

// Picking a match by its number, here or in the result window.
std::string ChoicePlayLine(const Style& style, int position, std::string_view fileName);
std::string InvalidNumberLine(const Style& style);
// The prompt after a text that is no number; the one after a number that
// names no match points at "/cancel".
std::string ChoicePromptLine(const Style& style, long lastNumber);
std::string ChoiceRepromptLine(const Style& style, long lastNumber);

// "/scroll": one line per match, then its own prompt.
std::string ListingLine(const Style& style, std::size_t number, std::string_view fileName);
std::string ListingEndLine(const Style& style, long lastNumber);
// "/cancel" and "/view".
std::string ChoiceCanceledLine(const Style& style);
std::string MatchesViewedLine(const Style& style, std::size_t count, std::string_view search);

}  // namespace sonorix
