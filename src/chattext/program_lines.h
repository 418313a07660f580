// What the program says of itself: its banners and summary, its
// advertisement, the end-of-song modes, the cleared chat and the command count.
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"

namespace sonorix {

std::string StartupBanner(const Style& style);
std::string ClosingBanner(const Style& style);
std::string SummaryLine(const Style& style, int songCount, std::string_view presetName,
                        std::string_view styleName);

// "adv": the two lines, with a short pause between them.
std::string AdvertLine(const Style& style);
std::string AdvertFollowUpLine(const Style& style);

// What a switch of an end-of-song mode did.
enum class ModeChange { Enabled, Disabled, AlreadyEnabled, AlreadyDisabled };
std::string AutoRandomLine(const Style& style, ModeChange change);
std::string ContinuousLine(const Style& style, ModeChange change);

std::string ChatClearedLine(const Style& style);
std::string CommandCountLine(const Style& style, int count);

}  // namespace sonorix
