#pragma once
// The three ground groups between the pushback and the climb. G3: the cockpit's taxi talk
// with the runway and flaps read back, the cabin safety announcement and the checks before
// take-off. G4: the cabin attendant's take-off announcement and the captain's call, then
// the start signal BEGIN.cfg deleted for the call-out program. G9: the captain's two
// announcements while holding for departure.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// G3 (ground request 3).
void RunTaxiPhase(state::ProContext& pro);
// G3's loader: slots 7 to 23 (and the special recording in slot 6 while SpecialVoiceOn);
// sets AirlineSafetyFileUsed when slot 7 holds the airline's own safety announcement.
void PrepareSafetyAnnouncement(state::ProContext& pro);

// G4 (ground request 4).
void RunTakeoffPhase(state::ProContext& pro);
// G4's loader: slots 7 and 8.
void PrepareTakeoffAnnouncement(state::ProContext& pro);

// G9 (ground request 9).
void AnnounceTakeoffWait(state::ProContext& pro);
// G9's loader: slots 7 and 8.
void PrepareTakeoffWaitAnnouncement(state::ProContext& pro);

}  // namespace vx::announce
