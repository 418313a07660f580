#include "chattext/chat_line.h"

#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

std::string Head(const Style& style, std::string_view faceTag, std::string_view mainTag) {
  std::string head = "<FONT COLOR=#" + style.acolor;
  head += faceTag;
  head += style.ascii;
  head += mainTag;
  head += style.fcolor + ">";
  return head;
}

}  // namespace

std::string NarrowHead(const Style& style) { return Head(style, kNarrowFaceTag, " <font color=#"); }

std::string NarrowHeadCapital(const Style& style) {
  return Head(style, kNarrowFaceTag, " <FONT COLOR=#");
}

std::string CondensedHead(const Style& style) {
  return Head(style, kCondensedFaceTag, " <FONT COLOR=#");
}

std::string ChatLine(const Style& style, std::string_view label) {
  return NarrowHead(style) + AccentText(label);
}

std::string NarrowCapitalLine(const Style& style, std::string_view label) {
  return NarrowHeadCapital(style) + AccentText(label);
}

std::string CondensedLine(const Style& style, std::string_view label) {
  return CondensedHead(style) + AccentText(label);
}

}  // namespace sonorix
