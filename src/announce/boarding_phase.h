#pragma once
// The boarding guidance G0, the first step of a flight on the ground: the airport lobby
// before boarding. A murmur of passengers loops while the lobby announcer calls the
// flight (chime, final boarding call with airline, departure time, flight number,
// destination and gate, a pause, the repeat, a closing chime). Around it the departure
// clock and fuel are taken and the flight maxima cleared, and either the call-out
// program shows the inspection view (EyeCheck.cfg) or the split-flap board shows the
// flight.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// The group (ground request 10). A board that cannot be shown, or an inspection view
// whose hand-over file cannot be written, is reported in the caption box and the group
// goes on without it.
void RunBoardingPhase(state::ProContext& pro);

// The loader: slots 7 to 25 (and the special recording in slot 6 while SpecialVoiceOn
// is 1); sets FlightDigitMask, MinuteDigitMask and GateDigitMask.
void PrepareBoardingAnnouncement(state::ProContext& pro);

// Chime, first guidance part, details, 2 s, repeat notice, details, chime.
void AnnounceBoardingCall(state::ProContext& pro);

// Airline, hour, minute, flight number, destination, second part, gate, third part.
void AnnounceBoardingDetails(state::ProContext& pro);

}  // namespace vx::announce
