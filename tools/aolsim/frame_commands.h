// Carries out control commands on the frame's documents.
#pragma once

#include <windows.h>

#include "aolsim/commands.h"
#include "aolsim/session.h"

namespace sonorix::aolsim {

// True if the command was done. Wait is only meaningful in a script and is
// refused here; Quit asks the frame to close; Hang answers a control message
// at once and then blocks the client's thread.
bool ExecuteCommand(HWND frame, HWND mdiClient, Session& session, const Command& command);

}  // namespace sonorix::aolsim
