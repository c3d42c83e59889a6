#pragma once
// The in-flight groups of the cabin and the cockpit but the captain's greeting and the
// landing briefing: A1 seat-belt sign off, A3 start of the cabin service, A5 one hour to
// arrival, A6 end of the service, A7 approach, A8 final landing configuration, A9
// turbulence. A1, A3, A6, A7 and A8 play one recording of the cabin attendant (or the
// hidden set's own); A5 and A9 add the captain's part and a pause.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// Runs (in-flight requests 11, 13, 15, 16, 17, 18, 19).
void AnnounceBeltSignOff(state::ProContext& pro);
void AnnounceServiceStart(state::ProContext& pro);
void AnnounceOneHourToArrival(state::ProContext& pro);
void AnnounceServiceEnd(state::ProContext& pro);
void AnnounceApproach(state::ProContext& pro);
void AnnounceFinalLanding(state::ProContext& pro);
void AnnounceTurbulence(state::ProContext& pro);

// Their loaders: slot 7 (A5: 7 to 10, A9: 7 and 8), and the hidden set's recording in
// slot 6 while SpecialVoiceOn for the groups that have one.
void PrepareSeatbeltOffAnnouncement(state::ProContext& pro);
void PrepareServiceStartAnnouncement(state::ProContext& pro);
void PrepareOneHourAnnouncement(state::ProContext& pro);
void PrepareServiceEndAnnouncement(state::ProContext& pro);
void PrepareApproachAnnouncement(state::ProContext& pro);
void PrepareLandingAnnouncement(state::ProContext& pro);
void PrepareTurbulenceAnnouncement(state::ProContext& pro);

}  // namespace vx::announce
