// Telling the user a result without making the caller wait for the box.
#pragma once

#include <string_view>

namespace sonorix {

// Returns at once; an information box with the message and the title shows
// when this thread next handles window events. Calls made before then
// replace the texts, so only the last is shown; a call made while the box
// is open gets a box of its own after it. Never two boxes at once.
void MsgBoxEx(std::string_view message, std::string_view title);

}  // namespace sonorix
