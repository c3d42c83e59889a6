// The crew's calls from the descent to the end of the landing roll.
#include <array>
#include <initializer_list>

#include "callout/callout_tick.h"
#include "callout/exp_files.h"
#include "callout/exp_link.h"
#include "state/exp_context.h"

namespace vx::callout {
namespace {

using state::ExpContext;

enum ApproachFlag { kF1, kF5, kF10, kF15, kF20, kF25, kF30, kGearDown, kGearGreen };
enum HeightFlag { k1000, kMinimums, kApproachingMinimums, k500, k400, k300, k200, k100, k50, k40, k30, k20, k10,
                  kSpoilers, k60Kt };

void Clear(std::array<std::int16_t, 9>& flags, std::initializer_list<ApproachFlag> which) {
  for (ApproachFlag f : which) flags[f] = 0;
}
void ClearFlaps(std::array<std::int16_t, 9>& flags, ApproachFlag upTo) {
  for (int f = kF1; f <= upTo; ++f) flags[static_cast<std::size_t>(f)] = 0;
}

// Landing-flap challenge: flap F, 1 s, part 1, flap F, part 2 (from the 1-second wait on
// when `fromWait`).
void LandingSequence(ExpContext& exp, int flapCall, bool fromWait) {
  if (!fromWait && !CallAndWait(exp, flapCall)) return;
  if (!WaitSeconds(exp, 1.0f)) return;
  if (!CallAndWait(exp, 51)) return;
  if (!CallAndWait(exp, flapCall)) return;
  CallAndWait(exp, 52);
}

// One row of the height read-out: below E + limit (or a minimums height), with its flag
// armed, clear the listed flags and play the call.
struct ReadoutRow {
  HeightFlag flag;
  int (*limit)(const ExpContext&);
  int call;
  std::initializer_list<HeightFlag> cleared;
  bool minimums;
};

int E(const ExpContext& e) { return e.sd.CallElevationFt; }

const std::array<ReadoutRow, 13> kReadoutRows{{
    {k10, [](const ExpContext& e) { return E(e) + 25; }, 20,
     {k1000, kMinimums, kApproachingMinimums, k500, k400, k300, k200, k100, k50, k40, k30, k20, k10}, false},
    {k20, [](const ExpContext& e) { return E(e) + 35; }, 19,
     {k1000, kMinimums, kApproachingMinimums, k500, k400, k300, k200, k100, k50, k40, k30, k20}, false},
    {k30, [](const ExpContext& e) { return E(e) + 45; }, 18,
     {k1000, kMinimums, kApproachingMinimums, k500, k400, k300, k200, k100, k50, k40, k30}, false},
    {k40, [](const ExpContext& e) { return E(e) + 55; }, 17,
     {k1000, kMinimums, kApproachingMinimums, k500, k400, k300, k200, k100, k50, k40}, false},
    {k50, [](const ExpContext& e) { return E(e) + 70; }, 16,
     {k1000, kMinimums, kApproachingMinimums, k500, k400, k300, k200, k100, k50}, false},
    {k100, [](const ExpContext& e) { return E(e) + 120; }, 15,
     {k1000, kMinimums, kApproachingMinimums, k500, k400, k300, k200, k100}, false},
    {k200, [](const ExpContext& e) { return E(e) + 230; }, 14, {k1000, k500, k400, k300, k200}, false},
    {k300, [](const ExpContext& e) { return E(e) + 330; }, 13, {k1000, k500, k400, k300}, false},
    {k400, [](const ExpContext& e) { return E(e) + 430; }, 12, {k1000, k500, k400}, false},
    {k500, [](const ExpContext& e) { return E(e) + 550; }, 11, {k1000, k500}, false},
    {kMinimums, [](const ExpContext& e) { return E(e) + e.sd.MinimumsHeight2 + 50; }, 9, {k1000, kMinimums}, true},
    {kApproachingMinimums, [](const ExpContext& e) { return E(e) + e.sd.MinimumsHeight1; }, 8,
     {k1000, kApproachingMinimums}, true},
    {k1000, [](const ExpContext& e) { return E(e) + 1050; }, 10, {k1000}, false},
}};

constexpr std::array<int, 6> kReductionSpeeds{250, 230, 210, 190, 170, 150};

}  // namespace

void CheckApproachCheckCall(ExpContext& exp) {
  if (LastCallPlaying(exp)) return;
  auto& c = exp.callout;
  const int check = exp.sd.ApproachCheckHeight;
  if (exp.sim.HeightAboveArrivalFt > check + 1000 && exp.sim.HeightAglFt > 1000) {
    c.ApproachCheckArmed = -1;
  } else if (exp.sim.HeightAboveArrivalFt <= check && c.ApproachCheckArmed == -1) {
    c.ApproachCheckArmed = 0;
    CallSound(exp, 54);
  }
}

void CheckIlsAliveCalls(ExpContext& exp) {
  if (LastCallPlaying(exp)) return;
  auto& c = exp.callout;
  const auto& s = exp.sim;
  if (s.HeightAglFt > 5000) {
    c.LocaliserCallArmed = c.GlideslopeCallArmed = -1;
    return;
  }
  const bool navBit = (s.NavFlagsWord & 0x40) != 0;
  const int loc = s.LocaliserByte;
  if ((loc > 155 || (loc >= 1 && loc <= 99)) && c.LocaliserCallArmed == -1 && navBit && c.TargetTrend == 1) {
    c.LocaliserCallArmed = 0;
    CallSound(exp, 62);
  }
  const int gs = s.GlideslopeByte;
  if ((gs > 245 || (gs >= 1 && gs <= 9)) && c.GlideslopeCallArmed == -1 && navBit && c.TargetTrend == 1) {
    c.GlideslopeCallArmed = 0;
    CallSound(exp, 63);
  }
}

void CheckSpeedReductionCalls(ExpContext& exp) {
  if (LastCallPlaying(exp)) return;
  auto& c = exp.callout;
  auto& flags = c.SpeedReductionCallFlags;
  const auto& heights = exp.sd.SpeedReductionHeights;
  int top = heights[5];
  for (int i = 0; i < 5; ++i) {
    if (heights[static_cast<std::size_t>(i)] > 0) {
      top = heights[static_cast<std::size_t>(i)];
      break;
    }
  }
  const auto& s = exp.sim;
  if (s.AltitudeFt > top + 1000) {
    flags.fill(-1);
    c.LandingLightsOnArmed = -1;
    return;
  }
  if (s.AltitudeFt <= 10000 && c.LandingLightsOnArmed == -1) {
    c.LandingLightsOnArmed = 0;
    CallSound(exp, 73);
    return;
  }
  if (s.HeightAboveArrivalFt < 600) {
    flags.fill(0);
    c.LandingLightsOnArmed = 0;
    return;
  }
  if (c.RearmSpeedCalls == 1 && c.SpeedCallsRearmed == 0) {
    c.SpeedCallsRearmed = 1;
    for (std::size_t i = 0; i < flags.size(); ++i)
      if (s.IasKt > kReductionSpeeds[i]) flags[i] = -1;
    return;
  }
  for (int i = 5; i >= 0; --i) {
    const auto k = static_cast<std::size_t>(i);
    const int height = i == 0 ? top : heights[k];
    if (!(s.HeightAboveArrivalFt < heights[k] && height > 0 && flags[k] == -1)) continue;
    for (std::size_t j = 0; j <= k; ++j) flags[j] = 0;
    if (s.IasKt > kReductionSpeeds[k]) CallSound(exp, 56 + i);
    return;
  }
}

void CheckApproachFlapGearCalls(ExpContext& exp) {
  if (LastCallPlaying(exp)) return;
  auto& c = exp.callout;
  auto& f = c.ApproachCallFlags;
  const auto& s = exp.sim;
  const auto& S = exp.sd.ApproachFlapSpeeds;
  if (s.VerticalSpeedFpm <= -500 && s.HeightAboveArrivalFt > 5000 && c.ApproachCallsArmedOnce == 0) {
    c.ApproachCallsArmedOnce = -1;
    f.fill(-1);
    return;
  }
  if (s.IasKt < 60) {
    f.fill(0);
    return;
  }
  if (c.RearmFlapCalls == 1 && c.FlapCallsRearmed == 0) {
    c.FlapCallsRearmed = 1;
    f.fill(-1);
    return;
  }
  auto below = [&](int k) { return s.IasKt < S[static_cast<std::size_t>(k)] && S[static_cast<std::size_t>(k)] > 0; };
  const bool greenDone = f[kF20] == 0 && f[kGearGreen] == 0 && !SoundPlaying(exp, 50);
  if (below(5) && f[kF30] == -1 && greenDone) {
    ClearFlaps(f, kF30);
    LandingSequence(exp, 48, false);
  } else if (below(4) && f[kF25] == -1 && greenDone) {
    ClearFlaps(f, kF25);
    if (!CallAndWait(exp, 47)) return;
    if (S[5] == 0) LandingSequence(exp, 47, true);
  } else if (s.IasKt < S[3] && f[kGearDown] == 0 && f[kGearGreen] == -1 && s.GearExtensionPct >= 100) {
    ClearFlaps(f, kF20);
    Clear(f, {kGearDown, kGearGreen});
    CallSound(exp, 50);
  } else if (s.IasKt < S[3] && f[kGearDown] == -1 && c.TargetDistanceM <= 20000) {
    ClearFlaps(f, kF20);
    f[kGearDown] = 0;
    CallSound(exp, 49);
  } else if (below(3) && f[kF20] == -1) {
    ClearFlaps(f, kF20);
    CallSound(exp, 46);
  } else if (below(2) && f[kF15] == -1 && exp.sd.FlapCallVariant == 15) {
    ClearFlaps(f, kF15);
    CallSound(exp, 45);
  } else if (below(2) && f[kF10] == -1 && exp.sd.FlapCallVariant == 10) {
    ClearFlaps(f, kF10);
    CallSound(exp, 44);
  } else if (below(1) && f[kF5] == -1 && s.AltitudeFt < 12000) {
    Clear(f, {kF1, kF5});
    CallSound(exp, 43);
  } else if (below(0) && f[kF1] == -1 && s.AltitudeFt < 12000) {
    f[kF1] = 0;
    CallSound(exp, 42);
  }
}

void CheckLandingCalls(ExpContext& exp) {
  auto& c = exp.callout;
  auto& f = c.HeightCallFlags;
  const auto& s = exp.sim;
  if (c.RolloutEndPending == -1) {
    if (SoundPlaying(exp, 22)) {
      PumpEvents(exp);
      return;
    }
    c.RolloutEndPending = 0;
    WriteStateFlag(exp, 1);
    if (!WaitSeconds(exp, 10.0f)) return;
    WriteLandedSignalFile(exp);
    if (!WaitSeconds(exp, 10.0f)) return;
    PlaySound(exp, 41);
    f.fill(-1);
    return;
  }
  if (s.HeightAboveArrivalFt > 1500) {
    f.fill(-1);
    return;
  }
  if (c.RearmHeightCalls == 1 && c.HeightCallsRearmed == 0) {
    c.HeightCallsRearmed = 1;
    f.fill(-1);
    return;
  }
  if (c.TouchdownLatched == -1 && f[k10] == 0) {
    if (f[k60Kt] == -1 && s.IasKt < 65) {
      UpdateReverseNoise(exp, -1);
      f[k60Kt] = 0;
      c.RolloutEndPending = -1;
      PlaySound(exp, 22);
    } else if (f[kSpoilers] == -1 && s.SpoilerControl > 10000) {
      f[kSpoilers] = 0;
      PlaySound(exp, 21);
    }
    return;
  }
  if (!(s.OnGroundWord == 0 && s.HeightAboveArrivalFt < s.PrevHeightAboveArrivalFt)) return;
  const int h = s.GearLeverDown == 1 ? s.HeightAboveArrivalFt : s.HeightAglFt;
  for (const ReadoutRow& row : kReadoutRows) {
    if (!(h < row.limit(exp) && f[row.flag] == -1)) continue;
    for (HeightFlag cleared : row.cleared) f[cleared] = 0;
    if (row.minimums || exp.settings.AltitudeCallOn == -1) PlaySound(exp, row.call);
    return;
  }
}

}  // namespace vx::callout
