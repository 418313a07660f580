// The toolbar across the top of the frame: "AOL Toolbar" holding an
// "_AOL_Toolbar" with the icons and the keyword box ("_AOL_Combobox" with
// an "Edit"). Enter in the keyword box goes to the keyword.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "aolsim/document_window.h"

namespace sonorix::aolsim {

inline constexpr int kToolbarHeight = 36;
inline constexpr int kFirstToolbarIconId = 301;
inline constexpr int kToolbarIconCount = 12;

// Posted to the frame when Enter reaches the keyword box; the frame reads
// the box then, from its own message loop, so the sender is never kept
// waiting on what the keyword opens.
inline constexpr UINT kOpenKeyword = WM_APP + 2;

inline constexpr char kPrivateRoomKeyword[] = "aol://2719:2-2-";

bool RegisterToolbarClasses(HINSTANCE instance);
// The toolbar, a child of the frame; null if it could not be made.
HWND CreateToolbar(HWND frame);
// The keyword typed, without the blanks around it; the box is emptied.
std::string TakeKeyword(HWND toolbar);

// The page a keyword opens: a document captioned "Keyword: " + keyword.
std::unique_ptr<Document> MakeKeywordPage();

// The client's refusal of a private room by its name (Windows-1252), or
// nullopt when the room is entered.
std::optional<std::string> RoomRefusal(std::string_view room);

}  // namespace sonorix::aolsim
