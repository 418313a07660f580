#include "chattext/song_lines.h"

#include "chattext/chat_line.h"
#include "chattext/line_pieces.h"
#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

std::string PositionAndSong(const Style& style, int position, std::string_view fileName) {
  return " <b>" + std::to_string(position) + "</b> › " + AccentTag(style) + "<u>" +
         AccentText(fileName) + "</u>";
}

std::string PleaseType() {
  return " <u>" + AccentText("/scroll") + "</u>, <u>" + AccentText("/view") + "</u>, " +
         AccentText("or") + " <u>" + AccentText("/cancel") + "</u>";
}

std::string Prompt(const Style& style, long lastNumber, std::string_view ending) {
  return CondensedLine(style, "type") + " › " + AccentTag(style) + " p</a> " +
         ColourTag(style.fcolor) + " " + AccentText("and") + " 0 - " + std::to_string(lastNumber) +
         " " + AccentText("or") + " " + AccentTag(style) + AccentText(ending);
}

}  // namespace

std::string PlayAnnouncement(const Style& style, PlayWord word, int position,
                             std::string_view fileName) {
  const std::string_view text = word == PlayWord::Button ? "playin ›" : "playin › ";
  return ChatLine(style, text) + PositionAndSong(style, position, fileName);
}

std::string RandomAnnouncement(const Style& style, int position, std::string_view fileName) {
  return ChatLine(style, "random ›") + PositionAndSong(style, position, fileName);
}

std::string StopAnnouncement(const Style& style, std::string_view fileName) {
  return ChatLine(style, "stopped ›") + " " + AccentTag(style) + "<u>" + AccentText(fileName) +
         "</u>";
}

std::string EndOfSongRandomAnnouncement(const Style& style, std::string_view fileName) {
  return ChatLine(style, "random ›") + " " + AccentTag(style) + std::string(fileName);
}

std::string EndOfSongPlayAnnouncement(const Style& style, std::string_view fileName) {
  return ChatLine(style, "playin › ") + " " + AccentTag(style) + std::string(fileName);
}

std::string RandomSearchMissLine(const Style& style, std::string_view search) {
  return ChatLine(style, "didnt find ›") + " " + AccentTag(style) + "<u>" + AccentText(search) +
         "</u>";
}

std::string RandomSearchPlayLine(const Style& style, int position, std::string_view fileName) {
  return ChatLine(style, "random ›") + " <b>" + std::to_string(position) + "</b> › " +
         AccentTag(style) + " <u>" + AccentText(fileName) + "</u>";
}

std::string SearchPlayLine(const Style& style, std::string_view fileName) {
  return CondensedLine(style, "playing") + " › " + AccentTag(style) + "<u>" + AccentText(fileName) +
         "</u>";
}

std::string SearchMissLine(const Style& style, std::string_view search) {
  return CondensedLine(style, "didnt find") + " › " + AccentTag(style) + AccentText(search);
}

std::string MatchesFoundLine(const Style& style, std::size_t count, std::string_view search) {
  return CondensedLine(style, "found") + " <b>" + std::to_string(count) + "</b> " +
         AccentText("matches for") + " <u><b>" + AccentText(search) + "</b></u> " +
         AccentText("please type") + PleaseType();
}

std::string PleaseTypeLine(const Style& style) {
  return CondensedLine(style, "please type") + PleaseType();
}

std::string ChoicePlayLine(const Style& style, int position, std::string_view fileName) {
  return CondensedLine(style, "playing") + " › <b>" + std::to_string(position) + "</b> › " +
         AccentTag(style) + "<u>" + AccentText(fileName) + "</u>";
}

std::string InvalidNumberLine(const Style& style) {
  return CondensedLine(style, "invalid") + " › " + AccentTag(style) + AccentText("number");
}

std::string ChoicePromptLine(const Style& style, long lastNumber) {
  return Prompt(style, lastNumber, "cancel");
}

std::string ChoiceRepromptLine(const Style& style, long lastNumber) {
  return Prompt(style, lastNumber, "/cancel");
}

std::string ListingLine(const Style& style, std::size_t number, std::string_view fileName) {
  return CondensedLine(style, "") + std::to_string(number) + "›  " + AccentTag(style) +
         AccentText(fileName);
}

// Unlike the other prompts, its "or" is not accented.
std::string ListingEndLine(const Style& style, long lastNumber) {
  return CondensedLine(style, "type") + " › " + AccentTag(style) + " p</a> " +
         ColourTag(style.fcolor) + " " + AccentText("and") + " 0 - " + std::to_string(lastNumber) +
         " or " + AccentTag(style) + AccentText("cancel");
}

std::string ChoiceCanceledLine(const Style& style) {
  return CondensedLine(style, "multi") + " › " + AccentTag(style) + AccentText("canceled");
}

std::string MatchesViewedLine(const Style& style, std::size_t count, std::string_view search) {
  return CondensedLine(style, "viewing") + " <b>" + std::to_string(count) + "</b> " +
         AccentText("matches for ›") + " " + AccentTag(style) + "<u>" + AccentText(search) + "</u>";
}

}  // namespace sonorix
