// Changing the look from the chat, and swapping the player window for the
// command list, the styles or the presets.
#pragma once

#include <string_view>

#include "bot/bot_parts.h"

namespace sonorix {

class LookCommands {
 public:
  explicit LookCommands(BotParts parts) : p_(parts) {}

  // The first style or preset whose name holds the query becomes current;
  // the style's reply already speaks in the new style.
  void LoadStyle(const Style& style, std::string_view query);
  void LoadPreset(const Style& style, std::string_view query);
  void Show(const Style& style, LookWindow window);
  void Hide(const Style& style, LookWindow window);

 private:
  BotParts p_;
};

}  // namespace sonorix
