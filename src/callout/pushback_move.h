#pragma once
// The pushback performer: while vexlorPB.cfg is there, the aircraft is pushed straight back
// and turned to its target heading with the tow car's sound, by the simulator's own
// pushback or by a slew push; the file is deleted when the push is over, whatever ended it.
namespace vx::state {
struct ExpContext;
}

namespace vx::callout {

// Holds the call-out tick until the push is over (the tick calls it while
// PushbackFilePresent is -1).
void RunPushbackMove(state::ExpContext& exp);

// Seconds the simulator's pushback may stay on the start heading before the turn is given up.
inline constexpr double kPushbackTurnDeadlineSeconds = 30.0;

}  // namespace vx::callout
