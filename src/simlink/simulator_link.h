#pragma once
// The main program's link to the simulator: finding and connecting it, the batched read of
// its weather, fuel and altitude variables with everything derived from them, the pause
// write, and the key-hook guard around every batched read.
#include <cstdint>
#include <initializer_list>
#include <span>

#include "simlink/sim_link_start_and_follow.h"
#include "state/sim_var_table.h"

namespace vx::state {
struct ProContext;
}

namespace vx::simlink {

// Looks for the "FS6MAIN" and the "FS98MAIN" window (the first wins; only the second fills
// SimVarTable) and starts the link. False when neither exists. When the link does not
// start: "FS IPC ERROR  (CODE : 001)", Stop, and the program ends at once.
bool ConnectSimulator(state::ProContext& pro);

// The main program's link as the shared link start sees it.
SimLinkTarget ProSimLinkTarget(state::ProContext& pro);

// Closes the link (the main window's closing): from here on it is not followed, so its
// end is no loss to tell.
void StopSimulatorLink(state::ProContext& pro);

// One batched read of every SimVarTable entry but the pause, then every derived value.
void ReadSimulatorState(state::ProContext& pro);

// Writes 1 to the pause variable and shows the automatic-pause notice.
void PauseSimulator(state::ProContext& pro);
// Writes 0 to the pause variable (the notice's OK button).
void ResumeSimulator(state::ProContext& pro);

// Writes the raw values of the given variables to the simulator in one batch, through
// SimVarTable (the fuel-tank dialog writes the changed tank levels this way).
void WriteSimVars(state::ProContext& pro, std::initializer_list<state::SimVar> vars);
void WriteSimVars(state::ProContext& pro, std::span<const state::SimVar> vars);

// Suspend and re-arm the key hook of the main window.
void DisableNyankoro1(state::ProContext& pro);
void EnableNyankoro1(state::ProContext& pro);

}  // namespace vx::simlink
