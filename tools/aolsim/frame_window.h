// The main frame, class "AOL Frame25": it holds the MDI client with the
// documents and takes control commands as WM_COPYDATA.
#pragma once

#include <windows.h>

#include <vector>

#include "aolsim/commands.h"
#include "aolsim/session.h"

namespace sonorix::aolsim {

bool RegisterFrameClass(HINSTANCE instance);

// The frame, hidden; null if it could not be made.
HWND CreateFrame(HINSTANCE instance, Session session);
HWND MdiClientOf(HWND frame);

// Runs one command as the control channel would; true if it was done.
bool RunFrameCommand(HWND frame, const Command& command);
// Runs the commands one after another from the message loop, pausing on
// each Wait without blocking it.
void StartScript(HWND frame, std::vector<Command> commands);

}  // namespace sonorix::aolsim
