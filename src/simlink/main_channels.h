#pragma once
// The main program's side of the shared-memory channels.
#include <cstdint>

namespace vx::state {
struct ProContext;
}

namespace vx::simlink {

// EYE, VOL, STAB and DATA in that order (the main window's load); results are not needed.
void OpenMainChannels(state::ProContext& pro);
// The same four in the same order (the main window's unload).
void CloseMainChannels(state::ProContext& pro);

// The view-step command: VolCommandCode := 73 and the whole VOL record written.
bool SendViewStepCommand(state::ProContext& pro);
// The engine's QuietSound written alone, so that a command answered earlier is not sent again.
bool SendQuietSound(state::ProContext& pro);
// TakeoffStartedFlag into VEXLORPRO_STAB (1 when the take-off group runs, 0 at flight start).
bool WriteTakeoffStarted(state::ProContext& pro, std::int16_t flag);

}  // namespace vx::simlink
