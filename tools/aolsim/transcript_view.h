// A room's transcript: a read-only view of class "RICHCNTLREADONLY" whose
// window text is the plain transcript ("name:<TAB>text<CR><LF>" per line),
// the way other programs read it, and whose face shows the lines in colour.
// Setting its text to "" empties it; any other text is refused.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

namespace sonorix::aolsim {

bool RegisterTranscriptViewClass(HINSTANCE instance);

HWND CreateTranscriptView(HWND parent, int id, std::size_t maxLines);

// Texts are Windows-1252; html may hold tags.
void AppendChatLine(HWND view, std::string_view name, std::string_view html);
void SetTranscriptLimit(HWND view, std::size_t maxLines);

}  // namespace sonorix::aolsim
