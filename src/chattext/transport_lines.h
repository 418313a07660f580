// The replies of the commands that steer the playing song: pause, volume,
// seeking, restart, and the song count, date and time.
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"

namespace sonorix {

std::string PausingLine(const Style& style, std::string_view fileName);
std::string PausedLine(const Style& style, std::string_view fileName);
std::string UnpausedLine(const Style& style, std::string_view fileName);
std::string PlayFirstLine(const Style& style);
std::string PauseFirstLine(const Style& style);

// level and amount as typed.
std::string VolumeSetLine(const Style& style, std::string_view level);
std::string VolumeErrorLine(const Style& style);
std::string SeekTooFarLine(const Style& style, std::string_view amount);
// An amount without ":" is seconds, and is said so.
std::string FastForwardLine(const Style& style, std::string_view amount);
std::string RewindLine(const Style& style, std::string_view amount);

std::string RestartLine(const Style& style, int position, std::string_view fileName);
std::string SongCountLine(const Style& style, int count, std::string_view folder);
// The clock's texts, shown in lower case.
std::string DateLine(const Style& style, std::string_view date);
std::string TimeLine(const Style& style, std::string_view time);

}  // namespace sonorix
