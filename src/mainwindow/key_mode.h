#pragma once
// The key mode of the main program and the viewpoint program that mode 1 serves.
#include <cstdint>

namespace vx::state {
struct ProContext;
}

namespace vx::mainwindow {

// Sets KeyInputMode and tells the key hook which keys it may have to swallow: Esc, Tab
// and the keypad digits in mode 1, none otherwise.
void SetKeyInputMode(state::ProContext& pro, std::int16_t mode);

// Whether the viewpoint program started from the main window still runs.
bool ViewpointProgramRunning(state::ProContext& pro);

// The viewpoint mode does not outlive the viewpoint program: once it has ended the mode
// returns to 0. True when it did now.
bool EndViewpointModeWhenDone(state::ProContext& pro);

}  // namespace vx::mainwindow
