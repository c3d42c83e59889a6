#pragma once
// Small procedures shared by the three programs: the timed wait that keeps the windows
// alive, the great-circle distance, and key presses sent to the simulator.
#include <chrono>
#include <functional>

#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/key_injector.h"

namespace vx::simlink {

// What one program's wait watches. The main program: `closed` reads FlightWindowClosed,
// `aborted` AnnounceAbort, `eachRound` runs UpdateRouteProgress. The call-out program:
// `closed` reads its quit flag, `eachRound` runs its fast read. The viewpoint program
// leaves all three empty.
struct WaitHooks {
  const platform::Clock& clock;
  platform::EventPump& pump;
  std::function<bool()> closed;     // true ends the wait with false
  std::function<bool()> aborted;    // true ends the wait with true
  std::function<void()> eachRound;  // the work of every round
};

// Length of one round of WaitSeconds: it idles in the event pump this long at most
// between two checks of its flags.
inline constexpr std::chrono::milliseconds kWaitRound{15};

// Waits `seconds` on the monotonic clock, pumping the window events and idling between
// rounds. True when the time has passed or the wait was aborted, false when `closed`
// held (it wins over an abort and over time that is up). A wait of 0 (or a negative
// or non-numeric one) ends on its first round.
bool WaitSeconds(const WaitHooks& hooks, float seconds);

// The same rounds while `keepWaiting` holds (a sound plays, a file is there): true once
// it no longer holds or the wait was aborted, false when `closed` held. `keepWaiting` is
// asked after the abort test of every round; each idle lasts at most `round`.
bool WaitWhile(const WaitHooks& hooks, const std::function<bool()>& keepWaiting,
               std::chrono::milliseconds round = kWaitRound);

// Metres along the great circle between two positions in degrees (one minute of arc is
// 1852 m). 0 for identical points and for input that is not a number.
double GreatCircleDistance(double latitude1, double longitude1, double latitude2, double longitude2);

// One press and release of the virtual key, then one pump. Codes outside 0..255 do nothing.
void PressKey(platform::KeyInjector& keys, platform::EventPump& pump, int virtualKey);
// Modifier down, key down, key up, modifier up, then one pump. Nothing when either
// code is outside 0..255.
void PressKeyChord(platform::KeyInjector& keys, platform::EventPump& pump, int modifierKey, int virtualKey);

}  // namespace vx::simlink
