// What the toolbar's icons open, and the client's answers in its message
// box, each of which the client can be told never to show.
#pragma once

#include <windows.h>

#include <string>

#include "aolsim/client_windows.h"
#include "aolsim/session.h"

namespace sonorix::aolsim {

// Icon 0 opens the mail menu, icon 1 the new mail, icon 4 an instant message.
void OnToolbarIcon(HWND frame, HWND mdiClient, const Session& session, HWND icon, int number);
// The answer to an instant message to "$IMs_Off": the icon says the state.
void OnImsSwitched(HWND frame, HWND toolbar, const Session& session, bool on);
// The client's message box, captioned "America Online".
void ShowAnswer(HWND frame, const Session& session, const std::string& text);
void OpenMail(HWND mdiClient, MailKind kind);

}  // namespace sonorix::aolsim
