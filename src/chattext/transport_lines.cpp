#include "chattext/transport_lines.h"

#include "chattext/chat_line.h"
#include "chattext/line_pieces.h"
#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

std::string ErrorLine(const Style& style, std::string_view what) {
  return CondensedLine(style, "eror") + ColouredItem(style, what);
}

std::string SeekLine(const Style& style, std::string_view word, std::string_view amount) {
  const bool plainSeconds = amount.find(':') == std::string_view::npos;
  // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on
  // `literal + std::string` temporaries here.
  std::string line = CondensedLine(style, word) + RawItem(amount);
  if (plainSeconds) line.append(" ").append(AccentText("sec"));
  return line;
}

std::string ClockLine(const Style& style, std::string_view label, std::string_view text) {
  return CondensedLine(style, label) + " › " + AccentTag(style) + LowerCase(text);
}

}  // namespace

std::string PausingLine(const Style& style, std::string_view fileName) {
  return CondensedLine(style, "pausing") + UnderlinedItem(style, fileName);
}

std::string PausedLine(const Style& style, std::string_view fileName) {
  return CondensedLine(style, "paused") + UnderlinedItem(style, fileName);
}

std::string UnpausedLine(const Style& style, std::string_view fileName) {
  return CondensedLine(style, "unpaused") + UnderlinedItem(style, fileName);
}

std::string PlayFirstLine(const Style& style) { return ErrorLine(style, "play an mp3 first"); }

std::string PauseFirstLine(const Style& style) { return ErrorLine(style, "pause an mp3 first"); }

std::string VolumeSetLine(const Style& style, std::string_view level) {
  return CondensedLine(style, "volume set to") + ColouredItem(style, std::string(level) + "%");
}

std::string VolumeErrorLine(const Style& style) {
  return CondensedLine(style, "eror") + PlainItem("volume to high 1 - 100");
}

std::string SeekTooFarLine(const Style& style, std::string_view amount) {
  return CondensedLine(style, "error") + RawItem(amount) + " is to high";
}

std::string FastForwardLine(const Style& style, std::string_view amount) {
  return SeekLine(style, "fast foward", amount);
}

std::string RewindLine(const Style& style, std::string_view amount) {
  return SeekLine(style, "rewind", amount);
}

std::string RestartLine(const Style& style, int position, std::string_view fileName) {
  return ChatLine(style, "restarting › ") + " <b>" + std::to_string(position) + "</b> › " +
         AccentTag(style) + "<u>" + AccentText(fileName) + "</u>";
}

std::string SongCountLine(const Style& style, int count, std::string_view folder) {
  return CondensedLine(style, "mp3 info") + " › " + AccentTag(style) + std::to_string(count) + " " +
         ColourTag(style.fcolor) + AccentText("mp3's in") + " " + AccentTag(style) +
         AccentText(folder);
}

std::string DateLine(const Style& style, std::string_view date) {
  return ClockLine(style, "todays date", date);
}

std::string TimeLine(const Style& style, std::string_view time) {
  return ClockLine(style, "current time", time);
}

}  // namespace sonorix
