#include "announce/engine_waits.h"

#include "mainwindow/pro_context.h"
#include "platform/event_pump.h"
#include "platform/sound_device.h"

namespace vx::announce {

simlink::WaitHooks EngineWaitHooks(mainwindow::ProContext& pro) {
  EngineState& e = pro.engine;
  return simlink::WaitHooks{
      *pro.svc.clock,
      *pro.svc.pump,
      [&e] { return e.FlightWindowClosed == 1; },
      [&e] { return e.AnnounceAbort == 1; },
      [&e] {
        if (e.progressTick) e.progressTick();
      },
  };
}

bool EngineWaitSeconds(mainwindow::ProContext& pro, float seconds) {
  return simlink::WaitSeconds(EngineWaitHooks(pro), seconds);
}

bool WaitSoundEnd(mainwindow::ProContext& pro, std::int32_t buffer) {
  EngineState& e = pro.engine;
  for (;;) {
    if (e.FlightWindowClosed == 1) return false;
    if (e.AnnounceAbort == 1) return true;
    if (!pro.svc.sound->IsPlaying(buffer)) return true;
    if (e.progressTick) e.progressTick();
    pro.svc.pump->Idle(simlink::kWaitRound);
  }
}

}  // namespace vx::announce
