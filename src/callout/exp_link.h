#pragma once
// The call-out program's own link to the simulator: finding it, the fast read of every
// tick and every wait round (which also feeds the flight data record of the main
// program), the full read with the weather, the heading read of the pushback, the
// pushback and slew writes, and the program's wait.
//
// Reads never raise: every value is computed in wide integers and doubles and kept
// within the width of the value it is stored into.
#include <cstdint>

#include "simlink/sim_link_start_and_follow.h"

namespace vx::state {
struct ExpContext;
}

namespace vx::callout {

// Looks for the "FS6MAIN" and then the "FS98MAIN" window (only the second fills
// ExpVarTable and the view layer's table) and starts the link: true when it is up, false
// when no simulator window exists. When the link does not start: "Morplin ERROR  (CODE :
// 001)", Stop, and the program ends.
bool ConnectSimulatorExp(state::ExpContext& exp);
// The program's link as the shared link start sees it.
simlink::SimLinkTarget ExpSimLinkTarget(state::ExpContext& exp);

// The per-tick read: flight state, UpdateTargetTrend, the flight data record, and the
// three upper texts unless a pushback is running.
void ReadFlightStateFast(state::ExpContext& exp);
// The tenth-tick read: heights, speeds, gear, engine, spoiler and weather, and all five texts.
void ReadFlightStateFull(state::ExpContext& exp);
// Magnetic heading and position, for the pushback.
void ReadHeadingAndPosition(state::ExpContext& exp);
// The target heading of a pushback turn, into PushbackTargetHeading.
void ComputePushbackTurnTarget(state::ExpContext& exp);

void StartSimPushbackStraight(state::ExpContext& exp);
void StartSimPushbackTurn(state::ExpContext& exp);
void StopSimPushback(state::ExpContext& exp);
void StartSlewPush(state::ExpContext& exp);
void SetSlewPushTurnRate(state::ExpContext& exp);
void StopSlewPush(state::ExpContext& exp);
// Writes the one-byte flag 0x2F80.
void WriteStateFlag(state::ExpContext& exp, std::uint8_t value);

// Waits `seconds`, pumping events and making a fast read each round: true when the time
// has passed, false when the program is ending (QuitRequested is 1).
bool WaitSeconds(state::ExpContext& exp, float seconds);

// The value of a 64-bit simulator quantity from its halves, in units of the high half:
// high + low / 2^32, the low half unsigned (south and west included).
double JoinSimHalves(std::int32_t high, std::uint32_t low);

}  // namespace vx::callout
