#pragma once
// The key mode of the main program and the viewpoint program that mode 1 serves.
#include <cstdint>

#include "simlink/key_input_mode.h"

namespace vx::state {
struct ProContext;
}

namespace vx::mainwindow {

using simlink::SetKeyInputMode;

// Enters the viewpoint mode from whatever mode the program is in (the main window's or a
// flight's), remembering it for LeaveViewpointMode.
void EnterViewpointMode(state::ProContext& pro);
// Back to the mode the program was in before the viewpoint mode.
void LeaveViewpointMode(state::ProContext& pro);

// Whether the viewpoint program started from the main window still runs.
bool ViewpointProgramRunning(state::ProContext& pro);

// The viewpoint mode does not outlive the viewpoint program: once it has ended the mode
// returns to the one before it. True when it did now.
bool EndViewpointModeWhenDone(state::ProContext& pro);

}  // namespace vx::mainwindow
