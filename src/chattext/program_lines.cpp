#include "chattext/program_lines.h"

#include "chattext/chat_line.h"
#include "chattext/line_pieces.h"
#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

// "Sonorix ... v1.1 by Dorvin › ", the version and author every banner and
// the advertisement start with; they differ in the blanks before the "v".
std::string VersionLine(const Style& style, std::string_view blanks) {
  return ChatLine(style, "Sonorix ...") + std::string(blanks) + "v" + AccentTag(style) + "1.1 " +
         ColourTag(style.fcolor) + AccentText("by Dorvin › ");
}

std::string Banner(const Style& style, std::string_view first, std::string_view rest) {
  return VersionLine(style, "  ") + "<font color=#" + style.acolor + ">" + AccentText(first) +
         "<font color=#" + style.fcolor + ">" + AccentText(rest);
}

}  // namespace

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

std::string AdvertLine(const Style& style) {
  return VersionLine(style, " ") + AccentText("aol") + " <font color=#" + style.acolor + ">8.0";
}

std::string AdvertFollowUpLine(const Style& style) {
  return ChatLine(style, "this shit's tite, aint it?");
}

std::string AutoRandomLine(const Style& style, ModeChange change) {
  switch (change) {
    case ModeChange::Enabled:
      return ChatLine(style, "auto random enabled");
    case ModeChange::Disabled:
      return ChatLine(style, "auto random disabled");
    case ModeChange::AlreadyEnabled:
      return ChatLine(style, "auto random already enabled");
    default:
      return ChatLine(style, "auto random already disabled");
  }
}

std::string ContinuousLine(const Style& style, ModeChange change) {
  switch (change) {
    case ModeChange::Enabled:
      return ChatLine(style, "auto play threw enabled");
    case ModeChange::Disabled:
      return ChatLine(style, "auto play threw disabled");
    case ModeChange::AlreadyEnabled:
      return ChatLine(style, "auto play threw already enabled");
    default:
      return ChatLine(style, "auto play threw already disabled");
  }
}

std::string ChatClearedLine(const Style& style) {
  return NarrowCapitalLine(style, "chat cleared, for you atleast");
}

std::string CommandCountLine(const Style& style, int count) {
  return NarrowCapitalLine(style, "this prog has") + " <b>" + std::to_string(count) + "</b> " +
         AccentText("commands");
}

}  // namespace sonorix
