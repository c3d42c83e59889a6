#pragma once
// The main program's side of the shared-memory channels.
#include <cstdint>

namespace vx::mainwindow {
struct ProContext;
}

namespace vx::simlink {

// EYE, VOL, STAB and DATA in that order (the main window's load); results are not needed.
void OpenMainChannels(mainwindow::ProContext& pro);
// The same four in the same order (the main window's unload).
void CloseMainChannels(mainwindow::ProContext& pro);

// A key forwarded to the viewpoint program: EyeKeyCode, high word 0.
bool SendEyeKey(mainwindow::ProContext& pro, std::int16_t keyCode);
// The view-step command: VolCommandCode := 73 and the whole VOL record written.
bool SendViewStepCommand(mainwindow::ProContext& pro);
// The engine's QuietSound written alone, so that a command answered earlier is not sent again.
bool SendQuietSound(mainwindow::ProContext& pro);
// TakeoffStartedFlag into VEXLORPRO_STAB (1 when the take-off group runs, 0 at flight start).
bool WriteTakeoffStarted(mainwindow::ProContext& pro, std::int16_t flag);

}  // namespace vx::simlink
