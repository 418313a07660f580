// The window classes and messages other programs rely on. Windows compares
// class names without regard to case; these are the spellings registered.
#pragma once

#include <windows.h>

#include <string>

namespace sonorix::aolsim {

inline constexpr char kFrameClass[] = "AOL Frame25";
inline constexpr char kFrameCaption[] = "America Online";
inline constexpr char kDocumentClass[] = "AOL Child";
inline constexpr char kTranscriptClass[] = "RICHCNTLREADONLY";
// The transcript counts the length questions it is asked in this property,
// so a test can tell how many a hung client was left to answer.
inline constexpr wchar_t kLengthQuestionsProperty[] = L"AolSim.LengthQuestions";
inline constexpr char kInputClass[] = "RICHCNTL";
inline constexpr char kLabelClass[] = "_AOL_Static";
inline constexpr char kComboClass[] = "_AOL_Combobox";
inline constexpr char kIconClass[] = "_AOL_Icon";
inline constexpr char kImageClass[] = "_AOL_Image";
inline constexpr char kGlyphClass[] = "_AOL_Glyph";
inline constexpr char kStaticTextClass[] = "RICHCNTLSTATIC";

// Setting this event (named for the client's process id) ends a hang early,
// so a test can wake the client as soon as it has seen what it waited for.
inline std::wstring WakeEventName(DWORD processId) {
  return L"AolSim.Wake." + std::to_wstring(processId);
}

// WM_COPYDATA's dwData for a control command ("SIM1" in memory).
inline constexpr ULONG_PTR kCommandTag = 0x314D4953;

// Sent by the input box to its room when Enter reaches it.
inline constexpr UINT kSubmitInput = WM_APP + 1;

}  // namespace sonorix::aolsim
