#pragma once
// The call-out engine's own state: the flight phase, the arming flags of every check and
// the effect loops. Flags are -1 armed or set and 0 cleared unless noted; a test builds a
// fresh one with its ExpContext.
#include <array>
#include <cstdint>
#include <vector>

namespace vx::state {

// One stored tower eye point of a view preset.
struct EyePoint {
  std::array<std::int32_t, 6> values{};
};

struct CallOutState {
  // Flight phases and their re-arming.
  std::int16_t FlightPhase = 0;
  std::int16_t GoAroundState = 0;  // 1 during and after a go-around
  std::int16_t RearmSpeedCalls = 0, RearmFlapCalls = 0, RearmHeightCalls = 0;  // 1 = request
  std::int16_t SpeedCallsRearmed = 0, FlapCallsRearmed = 0, HeightCallsRearmed = 0, ClimbCallsRearmed = 0;
  double TargetDistanceM = 0;
  double PrevTargetDistanceM = 0;
  std::int16_t TargetTrend = 0;  // 1 closing, 2 receding, 0 unchanged
  std::int16_t TouchdownLatched = -1;
  std::int16_t LandedOnce = 0;
  std::int16_t LastSoundIndex = 0;
  // Calls that came while another call was playing, in the order they came; the tick
  // starts each once the call before it has ended.
  std::vector<std::int16_t> WaitingCalls;
  bool errorReported = false;  // an error inside a tick is reported once

  // Take-off and climb.
  std::array<std::int16_t, 8> TakeoffCallFlags{};  // low speed, 75 kt, V1, VR, V2, VNAV, climb thrust, autopilot
  std::int16_t V2CallPending = 0;
  std::int32_t V2CallEndAgl = 0;
  std::int16_t TakeoffRearmRequest = 0;
  std::int16_t TakeoffCallsDone = 0;
  std::array<std::int16_t, 3> AfterTakeoffCallFlags{};  // flaps up, flap 1, flap 5
  std::int16_t LandingLightsOffArmed = 0;

  // Approach and landing.
  std::int16_t ApproachCheckArmed = 0;
  std::int16_t LocaliserCallArmed = 0, GlideslopeCallArmed = 0;
  std::array<std::int16_t, 6> SpeedReductionCallFlags{};  // 250, 230, 210, 190, 170, 150 kt
  std::int16_t LandingLightsOnArmed = 0;
  // flap 1, 5, 10, 15, 20, 25, 30, gear down, gear green
  std::array<std::int16_t, 9> ApproachCallFlags{};
  std::int16_t ApproachCallsArmedOnce = 0;
  // 1000, minimums, approaching minimums, 500, 400, 300, 200, 100, 50, 40, 30, 20, 10,
  // spoilers, 60 kt
  std::array<std::int16_t, 15> HeightCallFlags{};
  std::int16_t RolloutEndPending = 0;

  // Effect loops.
  std::int16_t GearNoiseActive = 0, GearNoiseState = 0, GearNoiseVariant = 0, GearNoiseLoopPending = 0;
  std::int16_t ReverseNoiseState = 0;
  std::int16_t SpecialEngineState = 0, SpecialEngineWindLoop = 0;
  std::int64_t SpecialEngineEndNanos = 0;  // end of the take-off part, monotonic
};

}  // namespace vx::state
