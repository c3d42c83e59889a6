#include "simlink/common_helpers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vx::simlink {
namespace {

bool Holds(const std::function<bool()>& flag) { return flag && flag(); }

bool IsKeyCode(int code) { return code >= 0 && code <= 255; }

// The rounds every wait of the programs runs: pump, the closed test, then per round the
// abort test, the end test, the round's work and an idle of `roundLength()`.
bool WaitRounds(const WaitHooks& hooks, const std::function<bool()>& keepWaiting,
                const std::function<std::chrono::milliseconds()>& roundLength) {
  hooks.pump.Pump();
  if (Holds(hooks.closed)) {
    hooks.pump.Pump();
    return false;
  }
  for (;;) {
    if (Holds(hooks.aborted) || !keepWaiting()) {
      hooks.pump.Pump();
      return true;
    }
    if (hooks.eachRound) hooks.eachRound();
    hooks.pump.Idle(roundLength());
    if (Holds(hooks.closed)) {
      hooks.pump.Pump();
      return false;
    }
  }
}

}  // namespace

bool WaitWhile(const WaitHooks& hooks, const std::function<bool()>& keepWaiting, std::chrono::milliseconds round) {
  return WaitRounds(hooks, keepWaiting, [round] { return round; });
}

bool WaitSeconds(const WaitHooks& hooks, float seconds) {
  // Measured on the monotonic clock, so the end of the day or a change of the system
  // time does not lengthen or cut the wait.
  const double span = std::isfinite(seconds) && seconds > 0 ? static_cast<double>(seconds) : 0.0;
  const std::int64_t spanNanos = static_cast<std::int64_t>(std::min(span, 1e9) * 1e9);
  const std::int64_t end = hooks.clock.MonotonicNanos() + spanNanos;
  // Idle until an event arrives, a timer falls due, the round ends or the time is just
  // past its end, whichever comes first.
  return WaitRounds(
      hooks, [&] { return hooks.clock.MonotonicNanos() <= end; },
      [&] {
        const std::int64_t untilPastEnd = (end - hooks.clock.MonotonicNanos()) / 1'000'000 + 1;
        return std::chrono::milliseconds(std::clamp<std::int64_t>(untilPastEnd, 1, kWaitRound.count()));
      });
}

double GreatCircleDistance(double latitude1, double longitude1, double latitude2, double longitude2) {
  if (latitude1 == latitude2 && longitude1 == longitude2) return 0.0;
  const double pi = 4.0 * std::atan(1.0);
  const double theta1 = (90.0 - latitude1) / 180.0 * pi;
  const double phi1 = pi * longitude1 / 180.0;
  const double theta2 = pi * (90.0 - latitude2) / 180.0;
  const double phi2 = pi * longitude2 / 180.0;
  // Cosine of the central angle: the dot product of the two unit vectors. Rounding can
  // push it just past ±1, where the arc cosine is not defined.
  const double c = (std::cos(phi2) * std::sin(theta2)) * (std::cos(phi1) * std::sin(theta1)) +
                   (std::sin(phi2) * std::sin(theta2)) * (std::sin(phi1) * std::sin(theta1)) +
                   std::cos(theta2) * std::cos(theta1);
  if (!std::isfinite(c)) return 0.0;
  const double arcMinutes = std::acos(std::clamp(c, -1.0, 1.0)) / pi * 180.0 * 60.0;
  return arcMinutes * 1.852 * 1000.0;
}

void PressKey(platform::KeyInjector& keys, platform::EventPump& pump, int virtualKey) {
  if (!IsKeyCode(virtualKey)) return;
  keys.KeyDown(virtualKey);
  keys.KeyUp(virtualKey);
  pump.Pump();
}

void PressKeyChord(platform::KeyInjector& keys, platform::EventPump& pump, int modifierKey, int virtualKey) {
  if (!IsKeyCode(modifierKey) || !IsKeyCode(virtualKey)) return;
  keys.KeyDown(modifierKey);
  keys.KeyDown(virtualKey);
  keys.KeyUp(virtualKey);
  keys.KeyUp(modifierKey);
  pump.Pump();
}

}  // namespace vx::simlink
