#include "chattext/line_pieces.h"

#include "chattext/text_helpers.h"

namespace sonorix {

std::string ColourTag(std::string_view colour) {
  return "<FONT COLOR=#" + std::string(colour) + ">";
}

std::string AccentTag(const Style& style) { return ColourTag(style.acolor); }

std::string UnderlinedItem(const Style& style, std::string_view item) {
  return " › " + AccentTag(style) + "<u>" + AccentText(item) + "</u>";
}

std::string ColouredItem(const Style& style, std::string_view item) {
  return " › " + AccentTag(style) + AccentText(item);
}

std::string PlainItem(std::string_view item) { return " › " + AccentText(item); }

std::string RawItem(std::string_view item) { return " › " + std::string(item); }

std::string Initial(const Style& style, std::string_view first, std::string_view rest) {
  return AccentTag(style) + std::string(first) + "<font color=#" + style.fcolor + ">" +
         AccentText(rest);
}

}  // namespace sonorix
