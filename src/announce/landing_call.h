#pragma once
// The cabin attendant's call fifteen minutes before the estimated landing, made once per
// flight by the dispatcher when the flight progress has armed it.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// The group: one part, "\15分前.wav" of a cabin attendant voice.
void AnnounceLandingIn15Min(state::ProContext& pro);
// Its loader: slot 7 with the chosen voice's file (each voice tried once; none having the
// file leaves the slot without a buffer, and the call is silent).
void PrepareFifteenMinuteAnnouncement(state::ProContext& pro);

}  // namespace vx::announce
