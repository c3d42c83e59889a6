// The continuous effects: gear wind noise, reverse noise and the special engine sound.
// Each starts with a sound paired with a silent copy as long as it, whose end starts the
// loop.
#include "callout/callout_tick.h"
#include "callout/exp_link.h"
#include "platform/clock.h"
#include "state/exp_context.h"

namespace vx::callout {
namespace {
constexpr int kSilent = -3000;
constexpr std::int64_t kTakeoffPartNanos = 76'000'000'000;
}  // namespace

void UpdateGearWindNoise(state::ExpContext& exp) {
  auto& c = exp.callout;
  const auto& s = exp.sim;
  const int start = c.GearNoiseVariant == 2 ? 29 : 27;
  const int timer = start + 1;
  if (exp.sd.GearNoiseIas == 0) exp.sd.GearNoiseIas = 80;
  const bool wanted = s.IasKt > exp.sd.GearNoiseIas && s.GearExtensionPct >= 50;
  // A loop waiting for its start sound's end starts only while the noise is still wanted;
  // otherwise the start sound and its timer are cut below.
  if (c.GearNoiseLoopPending == -1 && wanted) {
    if (SoundPlaying(exp, timer)) {
      PumpEvents(exp);
      return;
    }
    c.GearNoiseLoopPending = 0;
    c.GearNoiseState = 2;
    LoopSound(exp, 31);
  }
  if (!wanted) {
    if (c.GearNoiseActive == -1) {
      c.GearNoiseActive = 0;
      PlaySound(exp, 32);
      if (c.GearNoiseState == 1) {
        StopSound(exp, start);
        StopSound(exp, timer);
      } else {
        StopSound(exp, 31);
      }
      c.GearNoiseState = 3;
    }
    // A loop still waiting for its start sound's end is not wanted either.
    c.GearNoiseLoopPending = 0;
  } else if (c.GearNoiseActive == -1) {
    if (c.GearNoiseState == 1) c.GearNoiseLoopPending = -1;
  } else {
    c.GearNoiseActive = -1;
    c.GearNoiseState = 1;
    c.GearNoiseVariant = s.HeightAglFt < 100 ? 1 : 2;
    const int n = c.GearNoiseVariant == 2 ? 29 : 27;
    PlaySoundAt(exp, n + 1, kSilent);
    PlaySound(exp, n);
  }
  PumpEvents(exp);
}

void UpdateReverseNoise(state::ExpContext& exp, std::int32_t request) {
  auto& c = exp.callout;
  auto end = [&] {
    c.ReverseNoiseState = 3;
    PlaySound(exp, 38);
    PumpEvents(exp);
    StopSound(exp, 35);
    StopSound(exp, 36);
    StopSound(exp, 37);
  };
  if (request == -1) {
    if (SoundPlaying(exp, 35) || SoundPlaying(exp, 37)) end();
    return;
  }
  if (exp.sim.ThrottleLever >= -500) {
    if (c.ReverseNoiseState == 1 && !SoundPlaying(exp, 35)) {
      c.ReverseNoiseState = 0;
    } else if (c.ReverseNoiseState == 2) {
      end();
    } else if (c.ReverseNoiseState == 3 && !SoundPlaying(exp, 38)) {
      c.ReverseNoiseState = 0;
    }
    return;
  }
  if (c.ReverseNoiseState == 0) {
    c.ReverseNoiseState = 1;
    PlaySoundAt(exp, 36, kSilent);
    PlaySound(exp, 35);
  } else if (c.ReverseNoiseState == 1 && !SoundPlaying(exp, 36)) {
    c.ReverseNoiseState = 2;
    LoopSound(exp, 37);
  }
}

void RunSpecialEngineSound(state::ExpContext& exp) {
  auto& c = exp.callout;
  const auto& s = exp.sim;
  const bool thrustValue = s.EngineThrustRaw == 1;
  const std::int64_t now = exp.svc.clock ? exp.svc.clock->MonotonicNanos() : 0;
  switch (c.SpecialEngineState) {
    case 0:
      if (thrustValue || s.ThrottleLever >= 16000) {
        c.SpecialEngineState = 1;
        c.SpecialEngineWindLoop = 0;
        c.SpecialEngineEndNanos = now + kTakeoffPartNanos;
        PlaySound(exp, 64);
      }
      return;
    case 1:
      if (now > c.SpecialEngineEndNanos) {
        c.SpecialEngineState = 2;
        c.SpecialEngineWindLoop = 1;
        LoopSound(exp, 66);
        PumpEvents(exp);
        StopSound(exp, 64);
      } else if (s.EngineThrustRaw == 0 && s.ThrottleLever <= 3000 && s.HeightAglFt < 200) {
        c.SpecialEngineState = 0;
        c.SpecialEngineWindLoop = 0;
        StopSound(exp, 64);
      }
      return;
    case 2:
      if (s.VerticalSpeedFpm <= 1000) {
        c.SpecialEngineState = 3;
        c.SpecialEngineWindLoop = 0;
        PlaySound(exp, 68);
        PumpEvents(exp);
        WaitSeconds(exp, 8.5f);
        LoopSound(exp, 69);
        PumpEvents(exp);
        PlaySound(exp, 67);
        StopSound(exp, 66);
      }
      return;
    case 3:
      if ((s.VerticalSpeedFpm <= 1000 || s.ThrottleLever < 5000) && c.SpecialEngineWindLoop == 1) {
        c.SpecialEngineWindLoop = 0;
        PlaySound(exp, 67);
        StopSound(exp, 66);
      }
      if (s.VerticalSpeedFpm >= 1500 && (thrustValue || s.ThrottleLever > 10000) && c.SpecialEngineWindLoop == 0) {
        c.SpecialEngineWindLoop = 1;
        PlaySound(exp, 65);
        WaitSeconds(exp, 3.2f);
        LoopSound(exp, 66);
      }
      if (c.TouchdownLatched == -1) {
        c.SpecialEngineState = 0;
        if (c.SpecialEngineWindLoop == 1) {
          c.SpecialEngineWindLoop = 0;
          PlaySound(exp, 67);
          StopSound(exp, 66);
        }
        PlaySound(exp, 70);
        StopSound(exp, 69);
      }
      return;
    default:
      return;
  }
}

}  // namespace vx::callout
