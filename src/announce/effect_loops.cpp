#include "announce/effect_loops.h"

#include "announce/background_music.h"
#include "announce/engine_waits.h"
#include "announce/sound_slots.h"
#include "platform/event_pump.h"
#include "platform/sound_device.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

constexpr int kCentre = 0;

std::int32_t Slot(const state::ProContext& pro, int slot) { return SlotBuffer(pro, slot); }

}  // namespace

void ToggleWiperSound(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  auto& sound = *pro.svc.sound;
  UseVolumeIndex(pro, kWiperVolumeIndex);
  if (e.WiperOn != 0) {
    e.WiperOn = 0;
    sound.Play(Slot(pro, kWiperEndSlot), e.CurrentVolume, kCentre);
    pro.svc.pump->Pump();
    sound.Stop(Slot(pro, kWiperLoopSlot));
    return;
  }
  e.WiperOn = -1;
  sound.Play(Slot(pro, kWiperStartSlot), e.CurrentVolume, kCentre);
  pro.svc.pump->Pump();
  if (!WaitSoundEnd(pro, Slot(pro, kWiperStartSlot))) return;
  sound.PlayLooping(Slot(pro, kWiperLoopSlot), e.CurrentVolume, kCentre);
}

void ToggleAirconSound(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  auto& sound = *pro.svc.sound;
  if (e.AirconOn != 0) {
    e.AirconOn = 0;
    sound.Stop(Slot(pro, kAirconSlot));
    return;
  }
  e.AirconOn = -1;
  UseVolumeIndex(pro, kAirconVolumeIndex);
  sound.PlayLooping(Slot(pro, kAirconSlot), e.CurrentVolume, kCentre);
}

}  // namespace vx::announce
