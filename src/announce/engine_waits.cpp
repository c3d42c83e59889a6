#include "announce/engine_waits.h"

#include <cmath>

#include "platform/sound_device.h"
#include "simlink/route_progress.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

constexpr int kFadeSteps = 30;
constexpr float kFadeStepSeconds = 0.2f;
constexpr float kAfterFadeSeconds = 2.0f;
constexpr int kFadeFloor = -3000;

}  // namespace

simlink::WaitHooks EngineWaitHooks(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  return simlink::WaitHooks{
      *pro.svc.clock,
      *pro.svc.pump,
      [&e] { return state::FlightGone(e); },
      [&e] { return state::AnnouncementCut(e); },
      [&pro] { simlink::UpdateRouteProgress(pro); },
  };
}

bool EngineWaitSeconds(state::ProContext& pro, float seconds) {
  return simlink::WaitSeconds(EngineWaitHooks(pro), seconds);
}

bool WaitSoundEnd(state::ProContext& pro, std::int32_t buffer) {
  auto& sound = *pro.svc.sound;
  return simlink::WaitWhile(EngineWaitHooks(pro), [&] { return sound.IsPlaying(buffer); });
}

bool WaitSoundWithFade(state::ProContext& pro, std::int32_t buffer, int volume) {
  auto& sound = *pro.svc.sound;
  const state::EngineState& e = pro.engine;
  bool fade = false;
  const bool open = simlink::WaitWhile(EngineWaitHooks(pro), [&] {
    if (!sound.IsPlaying(buffer)) return false;
    fade = e.AnnounceRequest == state::kNextRequest;
    return !fade;
  });
  if (!open || !fade) return open;
  // Rounded halves to even, as the runtime stored a Single into an Integer.
  const int step = static_cast<int>(std::nearbyint((volume - kFadeFloor) / static_cast<double>(kFadeSteps)));
  for (int i = 0; i < kFadeSteps; ++i) {
    volume -= step;
    sound.SetVolume(buffer, volume);
    if (!EngineWaitSeconds(pro, kFadeStepSeconds)) return false;
  }
  return EngineWaitSeconds(pro, kAfterFadeSeconds);
}

}  // namespace vx::announce
