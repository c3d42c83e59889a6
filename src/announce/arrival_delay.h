#pragma once
// The arrival's delay class of the flight.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// `ArrivalDelayClass` from the GMT times of `BriefingTimes` events 1 (scheduled
// arrival) and 3 (actual arrival at the gate).
void ClassifyArrivalDelay(state::ProContext& ctx);

}  // namespace vx::announce
