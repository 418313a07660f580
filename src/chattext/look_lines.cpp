#include "chattext/look_lines.h"

#include "chattext/chat_line.h"
#include "chattext/line_pieces.h"
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

std::string_view Word(LookWindow window) {
  switch (window) {
    case LookWindow::Commands:
      return "commands";
    case LookWindow::Styles:
      return "styles";
    default:
      return "presets";
  }
}

std::string WindowLine(const Style& style, std::string_view label, LookWindow window) {
  return CondensedLine(style, label) + " <u>" + AccentText(Word(window)) + "</u>";
}

}  // namespace

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

std::string StyleNotFoundLine(const Style& style) {
  return CondensedLine(style, "style") + ColouredItem(style, "not found");
}

std::string StyleSetLine(const Style& style, std::string_view name) {
  return CondensedLine(style, "style set") + ColouredItem(style, name);
}

std::string PresetNotFoundLine(const Style& style) {
  return CondensedLine(style, "preset") + ColouredItem(style, "not found");
}

std::string PresetSetLine(const Style& style, std::string_view name) {
  return CondensedLine(style, "preset set") + ColouredItem(style, name);
}

std::string WindowShownLine(const Style& style, LookWindow window) {
  return WindowLine(style, "viewing", window);
}

std::string WindowAlreadyShownLine(const Style& style, LookWindow window) {
  return WindowLine(style, "already showing", window);
}

std::string WindowHiddenLine(const Style& style, LookWindow window) {
  return WindowLine(style, "hidden", window);
}

std::string WindowAlreadyHiddenLine(const Style& style, LookWindow window) {
  return WindowLine(style, "already hidden", window);
}

}  // namespace sonorix
