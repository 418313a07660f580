// What the preset window, the style list and the style maker say in the room.
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"

namespace sonorix {

// "<accent>first<main>rest": the look of the key words of these lines.
std::string Initial(const Style& style, std::string_view first, std::string_view rest);

// The preset window's lines and the control panel's " presets".
std::string PresetsAnnouncement(const Style& style);
std::string PresetSwitchAnnouncement(const Style& style, std::string_view preset);
std::string PresetsClosedAnnouncement(const Style& style);

// The style list's lines and the control panel's " styles".
std::string StylesAnnouncement(const Style& style);
std::string StyleSwitchAnnouncement(const Style& style, std::string_view name);
std::string StylesClosedAnnouncement(const Style& style);

// The style maker's lines; a preview is the typed style speaking.
std::string StyleMakerOpenAnnouncement(const Style& style);
std::string StylePreviewLine(const Style& typed, std::string_view name);
std::string StyleSavedAnnouncement(const Style& style, std::string_view name);
std::string StyleMakerClosedAnnouncement(const Style& style);

}  // namespace sonorix
