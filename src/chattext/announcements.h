// The player's and start-up's own lines into the chat room.
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"

namespace sonorix {

// The play button's word has no trailing blank; the list double-click's has one.
enum class PlayWord { Button, DoubleClick };

std::string PlayAnnouncement(const Style& style, PlayWord word, int position,
                             std::string_view fileName);
std::string RandomAnnouncement(const Style& style, int position, std::string_view fileName);
std::string StopAnnouncement(const Style& style, std::string_view fileName);
// The end-of-song lines show the file name plain: no accents, no underline.
std::string EndOfSongRandomAnnouncement(const Style& style, std::string_view fileName);
std::string EndOfSongPlayAnnouncement(const Style& style, std::string_view fileName);

// Said instead of a command's usual line when the client did not do what
// was asked, such as "instant messages": a failure is never told as done.
std::string ClientActionFailedLine(const Style& style, std::string_view action);

std::string StartupBanner(const Style& style);
std::string ClosingBanner(const Style& style);
std::string SummaryLine(const Style& style, int songCount, std::string_view presetName,
                        std::string_view styleName);

}  // namespace sonorix
