#pragma once
// The pushback G2: a cockpit background loop, the engine start before, during or after
// the pushback as the user chose, the ground crew's call-outs with the take-off runway,
// the pushback handed to the call-out program (vexlorPB.cfg, deleted there when done), a
// cabin attendant's welcome (short, in voices 1 to 3, or long, in voice 4) and a closing
// cockpit talk.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// The group (ground request 12). An add-on that cannot be read during the engine start
// ends the group with its clean-up.
void RunPushbackPhase(state::ProContext& pro);

// The loader: slots 7 to 39 (and the special recording in slot 6 while SpecialVoiceOn is
// set); chooses WelcomeVoiceSet and sets FlightNumberMask. Slots it does not assign are
// silent.
void PreparePushbackAnnouncement(state::ProContext& pro);

// The welcomes; each returns while its last part still plays.
void AnnounceWelcomeShort(state::ProContext& pro);
void AnnounceWelcomeLong(state::ProContext& pro);
// The welcome of WelcomeVoiceSet: the long one for voice 4, else the short one.
void AnnounceWelcome(state::ProContext& pro);

}  // namespace vx::announce
