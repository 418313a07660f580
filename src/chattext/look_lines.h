// What the look says in the room: the preset window, the style list and the
// style maker, and the replies of the look commands.
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"

namespace sonorix {

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

// "ls *" and "lp *"; a new style's line already speaks in it.
std::string StyleNotFoundLine(const Style& style);
std::string StyleSetLine(const Style& style, std::string_view name);
std::string PresetNotFoundLine(const Style& style);
std::string PresetSetLine(const Style& style, std::string_view name);

// The windows that take the player window's place.
enum class LookWindow { Commands, Styles, Presets };

// "vcmds", "xcmds", "vsty", "xsty", "vpre" and "xpre".
std::string WindowShownLine(const Style& style, LookWindow window);
std::string WindowAlreadyShownLine(const Style& style, LookWindow window);
std::string WindowHiddenLine(const Style& style, LookWindow window);
std::string WindowAlreadyHiddenLine(const Style& style, LookWindow window);

}  // namespace sonorix
