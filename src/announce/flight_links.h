#pragma once
// What a running flight depends on outside the main program: the simulator link and the
// call-out program the flight window started.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// On every heartbeat of a running flight window (not before the simulator has been
// connected, nor after the window has closed): a simulator link that has gone is told once
// ("ＦＳが実行されていません") and started again, as soon as the simulator answers, with
// whatever simulator window is found then; a call-out program of this flight that has
// ended by itself (its control file vexlorEXP.cfg still there) is told once
// ("VexlorEXPが終了しました。") and not started again.
void FollowFlightLinks(state::ProContext& pro);

}  // namespace vx::announce
