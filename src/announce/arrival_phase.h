#pragma once
// The two ground groups that close a flight. G5: the cabin attendant's arrival
// announcement with the arrival airport and the airline. G6: the end of the flight: the
// arrival times taken from the simulator, the flight's three records written, the lobby's
// arrival guidance (chime, flight number, origin, delay, gate) over the lobby murmur with
// the arrival board and the cargo and door views of the call-out program, the final
// announcements of the cabin and the captain, the report shown, the mileage credited
// and the main settings file saved.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// G5 (ground request 15).
void AnnounceArrival(state::ProContext& pro);
// G5's loader: slots 7 to 11 (and the special recording in slot 6 while SpecialVoiceOn).
void PrepareArrivalAnnouncement(state::ProContext& pro);

// G6 (ground request 16). Records that cannot be written are shown once in a box
// "フライトレポート" naming each file; the group goes on and shows the report only when it
// was written. A board or a view file that cannot be had is reported in the caption and
// the guidance goes on without it. When the flight ends in one of its waits, G6 ends
// there: no report shown, no mileage credited, no settings saved.
void RunArrivalFinal(state::ProContext& pro);
// G6's loader: slots 7 to 27; sets FlightNumberDigitMask and GateDigitMask.
void PrepareFinalAnnouncement(state::ProContext& pro);

// The lobby's guidance inside G6: chime, first notice, details, the board closed, the
// cargo view, the repeat, details, chime, the door view.
void AnnounceArrivalGuidance(state::ProContext& pro);
// Airline, flight number, origin, delay, gate, second notice.
void AnnounceArrivalDetails(state::ProContext& pro);

}  // namespace vx::announce
