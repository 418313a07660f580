// Asking the user for one line of text.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace sonorix {

// A modal box with the prompt, a text field holding the default text (all
// selected), OK and Cancel. The typed text, or nothing when cancelled.
std::optional<std::string> InputBox(HWND owner, std::string_view prompt, std::string_view title,
                                    std::string_view defaultText);

}  // namespace sonorix
