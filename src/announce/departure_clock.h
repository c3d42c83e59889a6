#pragma once
// The departure clock of a flight: the actual departure taken from the simulator, the
// scheduled departure's GMT, and whether the departure was late.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// The actual departure (BriefingTimes event 2) := the simulator clock; the departure time
// difference := SimTimeOffset; the scheduled departure's GMT := its local time plus the
// difference, wrapped into one day. (The boarding group does the same.)
void TakeDepartureClock(state::ProContext& pro);
// The five FlightMaxima back to 0.
void ClearFlightMaxima(state::ProContext& pro);
// DepartureDelayed is set when the actual departure GMT is more than 10 minutes after the
// scheduled departure GMT, else 0. The difference is folded into -720..+720 minutes, so a
// departure just after midnight GMT counts from the evening before.
void JudgeDepartureDelay(state::ProContext& pro);
// Ground request 12: the clock, the maxima cleared, the delay judged.
void SetUpDepartureClock(state::ProContext& pro);

// Minutes of one day: a difference folded into -720..+720.
int FoldMinuteDifference(int minutes);

}  // namespace vx::announce
