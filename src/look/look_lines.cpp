#include "look/look_lines.h"

#include "chattext/chat_line.h"
#include "chattext/text_helpers.h"

namespace sonorix {

namespace {

// The preset window's banner differs from the others' by its head.
std::string PresetHead(const Style& style) {
  return "<FONT COLOR=#" + style.acolor + ">" + style.ascii + " <FONT COLOR=#" + style.fcolor +
         std::string(kNarrowFaceTag) + AccentText("Sonorix ...") + "  ";
}

std::string StylesHead(const Style& style) { return ChatLine(style, "Sonorix") + " ...  "; }

std::string MakerLine(const Style& style, std::string_view rest) {
  return ChatLine(style, "Sonorix") + " ... " + Initial(style, "s", rest);
}

}  // namespace

std::string Initial(const Style& style, std::string_view first, std::string_view rest) {
  return "<FONT COLOR=#" + style.acolor + ">" + std::string(first) + "<font color=#" +
         style.fcolor + ">" + AccentText(rest);
}

std::string PresetsAnnouncement(const Style& style) {
  return PresetHead(style) + Initial(style, "p", "resets") + ", " + Initial(style, "l", "oaded");
}

std::string PresetSwitchAnnouncement(const Style& style, std::string_view preset) {
  return PresetHead(style) + Initial(style, "p", "reset") + " : " + AccentText(preset) + " " +
         Initial(style, "l", "oaded");
}

std::string PresetsClosedAnnouncement(const Style& style) {
  return PresetHead(style) + Initial(style, "p", "resets") + ", " + Initial(style, "u", "nloaded");
}

std::string StylesAnnouncement(const Style& style) {
  return StylesHead(style) + Initial(style, "s", "tyles") + ", " + Initial(style, "l", "oaded");
}

std::string StyleSwitchAnnouncement(const Style& style, std::string_view name) {
  return StylesHead(style) + Initial(style, "s", "tyle") + " : " + AccentText(name) + " " +
         Initial(style, "l", "oaded");
}

std::string StylesClosedAnnouncement(const Style& style) {
  return StylesHead(style) + Initial(style, "s", "tyles") + ", " + Initial(style, "u", "nloaded");
}

std::string StyleMakerOpenAnnouncement(const Style& style) {
  return MakerLine(style, "tyle maker") + " " + Initial(style, "l", "oaded");
}

std::string StylePreviewLine(const Style& typed, std::string_view name) {
  return MakerLine(typed, "tyle preview") + "› " + AccentText(name);
}

std::string StyleSavedAnnouncement(const Style& style, std::string_view name) {
  return MakerLine(style, "tyle") + " : " + AccentText(name) + " " + Initial(style, "s", "aved");
}

std::string StyleMakerClosedAnnouncement(const Style& style) {
  return MakerLine(style, "tyle maker") + " " + Initial(style, "u", "nloaded");
}

}  // namespace sonorix
