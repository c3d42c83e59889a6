#pragma once
// The waits of the main program. Each round pumps the window events and runs the flight
// progress tick (UpdateRouteProgress); a wait ends at once with false when the flight it
// serves is over (FlightGone), and with true when the running announcement is cut.
#include <cstdint>

#include "simlink/common_helpers.h"

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// The main program's wait hooks: closed = FlightGone, aborted = AnnounceAbort,
// each round = UpdateRouteProgress.
simlink::WaitHooks EngineWaitHooks(state::ProContext& pro);

// WaitSeconds of the main program.
bool EngineWaitSeconds(state::ProContext& pro, float seconds);

// Waits while the buffer plays: false when the flight is over, true when the buffer has
// ended or the announcement was cut. The sound itself is not stopped.
bool WaitSoundEnd(state::ProContext& pro, std::int32_t buffer);

// The same wait, and when a "next" request (20) comes while the buffer plays, the buffer
// is faded from `volume` to -3000 in 30 steps of 0.2 s, followed by 2 s more; the buffer
// keeps playing at the faded level (the group's clean-up stops it) and the request stays
// pending until the end of the heartbeat tick.
bool WaitSoundWithFade(state::ProContext& pro, std::int32_t buffer, int volume);

}  // namespace vx::announce
