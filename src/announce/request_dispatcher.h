#pragma once
// The body of the flight window's heartbeat: follows the flight and serves the pending
// announcement request.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// One heartbeat tick. Every other call refreshes the cabin strip's progress text; every call
// follows the simulator link and the call-out program (FollowFlightLinks); unless
// the flight window has closed or a tick is still being served, it then follows the
// flight (progress, window position, landing signal file, music, radio chatter, the
// fifteen-minute call) and serves AnnounceRequest: a sound or window command (50 to 59),
// a group of the ground or in-flight table (10 to 19), or "next" (20). However the tick
// ends, AnnounceRequest, AnnounceAbort and DispatcherBusy are cleared; an error is shown
// once in a box, after the running group's clean-up.
void ServiceAnnouncementRequest(state::ProContext& pro);

// When the call-out program has written vexlorLND.cfg: AnnounceRequest := 15 and the
// file deleted, then one pump.
void CheckLandingSignalFile(state::ProContext& pro);

// Serves AnnounceRequest (the last step of a tick; also for tests of the tables).
void ServeAnnounceRequest(state::ProContext& pro);

}  // namespace vx::announce
