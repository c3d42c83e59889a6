#include "simlink/eye_keys.h"

#include "platform/clock.h"
#include "platform/timer_scheduler.h"
#include "simlink/channels.h"
#include "state/pro_context.h"

namespace vx::simlink {
namespace {

std::int64_t Now(const state::ProContext& pro) { return pro.svc.clock ? pro.svc.clock->MonotonicNanos() : 0; }

// Writes the key when the channel holds none still to be taken, in one step against the
// viewpoint program's answer; false when a key is still there.
bool WriteWhenFree(state::ProContext& pro, std::int16_t keyCode) {
  state::Channel& eye = pro.sim.ChannelHandles.eye;
  std::int32_t word = 0;
  if (ReadLongFromChannel(word, eye) == 0 || EyeKeyPending(word)) return false;
  if (!CompareAndSwapLong(word, static_cast<std::uint16_t>(keyCode), eye)) return false;
  pro.sim.EyeKeyCode = keyCode;
  pro.sim.EyeKeyWrittenNanos = Now(pro);
  return true;
}

void StartTimer(state::ProContext& pro) {
  if (!pro.svc.timers || pro.sim.EyeKeyTimer) return;
  platform::TimerScheduler& timers = *pro.svc.timers;
  const int id = timers.Create([&pro] { HandOnEyeKeys(pro); });
  timers.SetInterval(id, kEyeKeyHandOnMs);
  timers.SetEnabled(id, true);
  pro.sim.EyeKeyTimer = id;
}

void StopTimer(state::ProContext& pro) {
  if (!pro.sim.EyeKeyTimer) return;
  if (pro.svc.timers) pro.svc.timers->Destroy(*pro.sim.EyeKeyTimer);
  pro.sim.EyeKeyTimer.reset();
}

}  // namespace

bool ForwardEyeKey(state::ProContext& pro, std::int16_t keyCode, bool repeat) {
  state::SimState& s = pro.sim;
  if (!s.ChannelHandles.eye.IsOpen()) return false;
  HandOnEyeKeys(pro);
  if (s.EyeKeysWaiting.empty() && WriteWhenFree(pro, keyCode)) return true;
  if (repeat || s.EyeKeysWaiting.size() >= kEyeKeysWaitingMax) return false;
  s.EyeKeysWaiting.push_back(keyCode);
  if (!s.EyeKeyWrittenNanos) s.EyeKeyWrittenNanos = Now(pro);
  StartTimer(pro);
  return true;
}

void HandOnEyeKeys(state::ProContext& pro) {
  state::SimState& s = pro.sim;
  if (!s.EyeKeysWaiting.empty()) {
    if (WriteWhenFree(pro, s.EyeKeysWaiting.front())) {
      s.EyeKeysWaiting.pop_front();
    } else if (s.EyeKeyWrittenNanos &&
               Now(pro) - *s.EyeKeyWrittenNanos > std::int64_t{kEyeKeyTakeLimitMs} * 1'000'000) {
      s.EyeKeysWaiting.clear();
    }
  }
  if (s.EyeKeysWaiting.empty()) StopTimer(pro);
}

void DropWaitingEyeKeys(state::ProContext& pro) {
  pro.sim.EyeKeysWaiting.clear();
  StopTimer(pro);
}

}  // namespace vx::simlink
