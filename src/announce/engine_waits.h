#pragma once
// The waits of the announcement engine: they end at once when the flight window has
// closed (false), end when the running announcement is cut (true), and run the flight
// progress tick on every round.
#include <cstdint>

#include "simlink/common_helpers.h"

namespace vx::mainwindow {
struct ProContext;
}

namespace vx::announce {

simlink::WaitHooks EngineWaitHooks(mainwindow::ProContext& pro);

// WaitSeconds of the main program.
bool EngineWaitSeconds(mainwindow::ProContext& pro, float seconds);

// Waits while the buffer plays: false when the flight window has closed, true when the
// buffer has ended or the announcement was cut. The sound itself is not stopped.
bool WaitSoundEnd(mainwindow::ProContext& pro, std::int32_t buffer);

}  // namespace vx::announce
