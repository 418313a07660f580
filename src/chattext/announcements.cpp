#include "chattext/announcements.h"

#include "chattext/chat_line.h"
#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

std::string AccentTag(const Style& style) { return "<FONT COLOR=#" + style.acolor + ">"; }

std::string PositionAndSong(const Style& style, int position, std::string_view fileName) {
  return " <b>" + std::to_string(position) + "</b> › " + AccentTag(style) + "<u>" +
         AccentText(fileName) + "</u>";
}

std::string Banner(const Style& style, std::string_view first, std::string_view rest) {
  return ChatLine(style, "Sonorix ...  v") + AccentTag(style) + "1.1 <FONT COLOR=#" + style.fcolor +
         ">" + AccentText("by Dorvin › ") + "<font color=#" + style.acolor + ">" +
         AccentText(first) + "<font color=#" + style.fcolor + ">" + AccentText(rest);
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

// Worded as the volume's error line is, the program's one other refusal.
std::string ClientActionFailedLine(const Style& style, std::string_view action) {
  return CondensedLine(style, "eror") + " › " + AccentText(std::string(action) + " did not work");
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

std::string StartupBanner(const Style& style) { return Banner(style, "a", "ctive"); }

std::string ClosingBanner(const Style& style) { return Banner(style, "d", "isative"); }

std::string SummaryLine(const Style& style, int songCount, std::string_view presetName,
                        std::string_view styleName) {
  return ChatLine(style, "pList › ") + "<font color=#" + style.acolor + ">" +
         std::to_string(songCount) + " <font color=#" + style.fcolor + ">" +
         AccentText("preset › ") + "<font color=#" + style.acolor + "> " + AccentText(presetName) +
         " <font color=#" + style.fcolor + ">" + AccentText("style › ") + "<font color=#" +
         style.acolor + ">" + AccentText(styleName);
}

}  // namespace sonorix
