#pragma once
// The take-off briefing G1: the cockpit crew read the briefing card row by row (runway,
// wind, temperature and dew point, QNH; fuel and weight, flaps, thrust, climb, the
// engine-failure, acceleration and thrust-reduction heights, V-speeds, cruise altitude,
// the altitude after V1 and the return pattern) while the card (frmTOB2) marks the row
// read and reveals its picture. Between the halves the call-out program shows the cargo
// door closing (EyeCargo.cfg), after them the boarding door (EyeDoor.cfg), when the view
// switch is on; a closing greeting ends the group.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// The group (ground request 11). The card's timed pauses and moves go on after a cut;
// the end of the flight ends the group at once (the flight's end unloads the card).
void RunTakeoffBriefing(state::ProContext& pro);

// Card rows 0 to 10: runway, wind, temperature and dew point, QNH.
void PlayTakeoffBriefingPart1(state::ProContext& pro);
// Card rows 11 to 28: fuel and weight to the return pattern.
void PlayTakeoffBriefingPart2(state::ProContext& pro);

// Slots 7 to 30 of the first half; sets the wind, temperature and dew point masks. A
// briefing value that is no number leaves its digits silent.
void PrepareTakeoffBriefing(state::ProContext& pro);
// Slots 7 to 50 of the second half (and the special recording in slot 6 while
// SpecialVoiceOn is set); sets the fuel, weight, cruise and height masks.
void PrepareWelcomeAnnouncement(state::ProContext& pro);

}  // namespace vx::announce
