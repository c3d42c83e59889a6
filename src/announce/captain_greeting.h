#pragma once
// The captain's greeting in flight (A2): asked for first in frmCPAnounce (language set,
// destination weather and temperature), then played over a looping radio-noise bed, in
// new Japanese, English, the airline-name Japanese, or two of them. The cockpit's
// opening and closing parts play only while the listening position is the cockpit.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// The group (in-flight request 12).
void RunCaptainGreeting(state::ProContext& pro);

// The loader: slots 7 to 32 (and the hidden set's recording in slot 6).
void PrepareCaptainGreeting(state::ProContext& pro);

// The part sequences: new Japanese, English, airline-name Japanese.
void PlayCaptainGreetingJ(state::ProContext& pro);
void PlayCaptainGreetingE(state::ProContext& pro);
void PlayCaptainGreetingCompany(state::ProContext& pro);

}  // namespace vx::announce
