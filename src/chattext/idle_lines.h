// What the room hears while the user is away: the idle bot going on and
// off, its minute line and the transfer it reports, and "be right back".
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"

namespace sonorix {

std::string GoingIdleLine(const Style& style, std::string_view reason);
std::string IdleOffLine(const Style& style);
// How long the user has been idle, and why; the hours only from the first.
std::string IdleTimeLine(const Style& style, int hours, int minutes, std::string_view reason);
// The client's file transfer as its status window shows it.
std::string TransferLine(const Style& style, std::string_view fileName, std::string_view percent,
                         std::string_view remaining);

std::string BrbReasonLine(const Style& style, std::string_view reason);
std::string BrbLine(const Style& style);

}  // namespace sonorix
