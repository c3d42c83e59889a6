// The co-pilot's calls from the take-off roll to the climb.
#include <array>

#include "callout/callout_tick.h"
#include "callout/exp_link.h"
#include "state/exp_context.h"

namespace vx::callout {
namespace {

using state::ExpContext;

enum TakeoffFlag { kLowSpeed, k75Kt, kV1, kVR, kV2, kVnav, kClimbThrust, kAutopilot };

// One speed or height call of the roll and the climb, in order of precedence: the first
// whose flag is armed and whose condition holds is said, and the flags it lists are
// cleared (a higher speed call clears the lower ones, so a fast roll skips calls).
struct TakeoffRow {
  TakeoffFlag flag;
  bool (*due)(const ExpContext&);
  int call;
  std::array<TakeoffFlag, 5> cleared;
  int clearedCount;
};

bool Rising(const ExpContext& e) { return e.sim.IasKt > e.sim.PrevIasKt; }
int H(const ExpContext& e) { return e.sim.HeightAboveDepartureFt; }

const std::array<TakeoffRow, 8> kTakeoffRows{{
    {kAutopilot, [](const ExpContext& e) { return H(e) > e.sd.AfterTakeoffHeights[2]; }, 7, {kAutopilot}, 1},
    {kClimbThrust,
     [](const ExpContext& e) { return H(e) > e.sd.AfterTakeoffHeights[1] && e.sd.ClimbThrustCallSwitch == 1; }, 6,
     {kClimbThrust}, 1},
    {kVnav,
     [](const ExpContext& e) {
       return H(e) > e.sd.AfterTakeoffHeights[0] + e.callout.V2CallEndAgl && e.callout.TakeoffCallFlags[kV2] == 0 &&
              e.sd.VnavCallSwitch == 1;
     },
     5, {kVnav}, 1},
    {kV2, [](const ExpContext& e) { return e.sim.IasKt > e.sd.CallV2 - 5 && Rising(e); }, 4,
     {kV2, kVR, kV1, k75Kt, kLowSpeed}, 5},
    {kVR, [](const ExpContext& e) { return e.sim.IasKt > e.sd.CallVR - 5 && Rising(e); }, 3,
     {kVR, kV1, k75Kt, kLowSpeed}, 4},
    {kV1, [](const ExpContext& e) { return e.sim.IasKt > e.sd.CallV1 - 10 && Rising(e); }, 2, {kV1, k75Kt, kLowSpeed},
     3},
    {k75Kt, [](const ExpContext& e) { return e.sim.IasKt > 75 && Rising(e); }, 1, {k75Kt, kLowSpeed}, 2},
    {kLowSpeed, [](const ExpContext& e) { return e.sim.IasKt > 45 && Rising(e); }, 0, {kLowSpeed}, 1},
}};

}  // namespace

void CheckTakeoffSpeedCalls(ExpContext& exp) {
  if (LastCallPlaying(exp)) return;
  state::CallOutState& c = exp.callout;
  auto& flags = c.TakeoffCallFlags;
  if (c.V2CallPending == -1) {
    if (SoundPlaying(exp, 4)) return;
    c.V2CallPending = 0;
    c.V2CallEndAgl = exp.sim.HeightAglFt;
    return;
  }
  if (exp.sim.GroundSpeedKmh <= 40 && c.TakeoffCallsDone == 0) {
    flags.fill(-1);
    return;
  }
  if (c.TakeoffRearmRequest == -1) {
    flags[kV1] = flags[kVR] = flags[kV2] = -1;
    c.TakeoffRearmRequest = 0;
    return;
  }
  if (H(exp) > 5000) {
    c.TakeoffCallsDone = -1;
    flags.fill(0);
    return;
  }
  for (const TakeoffRow& row : kTakeoffRows) {
    if (flags[row.flag] != -1 || !row.due(exp)) continue;
    for (int i = 0; i < row.clearedCount; ++i) flags[row.cleared[static_cast<std::size_t>(i)]] = 0;
    CallSound(exp, row.call);
    if (row.flag == kV2) c.V2CallPending = -1;
    if (row.flag == kVnav) WriteStateFlag(exp, 1);
    return;
  }
}

void CheckAfterTakeoffCalls(ExpContext& exp) {
  if (LastCallPlaying(exp)) return;
  state::CallOutState& c = exp.callout;
  auto& flags = c.AfterTakeoffCallFlags;  // flaps up, flap 1, flap 5
  const auto& s = exp.sim;
  if (s.GroundSpeedKmh <= 40) {
    flags.fill(-1);
    c.LandingLightsOffArmed = -1;
  } else if (s.AltitudeFt >= 10000 && c.LandingLightsOffArmed == -1) {
    c.LandingLightsOffArmed = 0;
    CallSound(exp, 74);
  } else if (s.IasKt > 250) {
    flags.fill(0);
    c.LandingLightsOffArmed = 0;
  } else if (c.GoAroundState == 1 && c.ClimbCallsRearmed == 0) {
    c.ClimbCallsRearmed = 1;
    flags.fill(-1);
  } else if (s.IasKt > exp.sd.FlapUpSpeeds[1] && flags[0] == -1) {
    flags.fill(0);
    CallSound(exp, 41);
    if (!WaitSeconds(exp, 4.0f)) return;
    if (c.ClimbCallsRearmed == 1) {
      c.GoAroundState = 0;
    } else {
      CallSound(exp, 53);
    }
  } else if (s.IasKt > exp.sd.FlapUpSpeeds[0] && flags[1] == -1) {
    flags[1] = flags[2] = 0;
    CallSound(exp, 42);
  } else if (s.IasKt > exp.sd.CallV2 + 30 && exp.sd.TakeoffFlap > 5 && flags[2] == -1) {
    flags[2] = 0;
    CallSound(exp, 43);
  }
  PumpEvents(exp);
}

}  // namespace vx::callout
