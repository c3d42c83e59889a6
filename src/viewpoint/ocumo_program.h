#pragma once
// The viewpoint program's start-up, its simulator connection, its wait, its files and the
// view layer as it uses it.
#include <string>

#include "callout/eye_view.h"
#include "state/ocumo_context.h"
#include "state/view_settings.h"

namespace vx::platform {
class InstanceLock;
}

namespace vx::viewpoint {

class FrmOcumo;

// The view layer on the program's link, keys and wait.
callout::EyeView OcumoEyeView(state::OcumoContext& ctx);

// Waits on the monotonic clock, letting window events (and the key poll) run; true.
bool OcumoWaitSeconds(state::OcumoContext& ctx, float seconds);

// True when the link is up; false when no simulator window exists. A link that does not
// start shows "Morplin ERROR  (CODE : 001)" and ends the program.
bool ConnectSimulatorOcumo(state::OcumoContext& ctx);

// The program's start: one copy only (a second ends at once, without a word), the
// simulator, the settings, the window at the right edge, the focus to the simulator and
// preset 0 in its view. `programFolder` is the folder of the program file.
void OcumoStartup(state::OcumoContext& ctx, FrmOcumo& form, platform::InstanceLock& lock,
                  const std::string& programFolder);

// Ocumo.cfg into the context (the default file written first when it is missing); a
// value 0 that is not a number leaves ProWindowHandle as it was, and so does any value
// that does not convert. Door fields of presets 1 and 2 shorter than three characters
// become "SE1" and "SE2".
void ReadOcumoSettings(state::OcumoContext& ctx);
void WriteDefaultOcumoSettings(state::OcumoContext& ctx);
// EyeRet.cfg from the boxes' texts and the APU values.
void WriteEyeReturnFile(state::OcumoContext& ctx, const state::ViewTableArray& boxTexts);

}  // namespace vx::viewpoint
