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
  auto& sound = *pro.svc.sound;
  UseVolumeIndex(pro, kWiperVolumeIndex);
  if (pro.flight.WiperOn) {
    pro.flight.WiperOn = false;
    sound.Play(Slot(pro, kWiperEndSlot), pro.flight.CurrentVolume, kCentre);
    pro.svc.pump->Pump();
    sound.Stop(Slot(pro, kWiperLoopSlot));
    return;
  }
  pro.flight.WiperOn = true;
  sound.Play(Slot(pro, kWiperStartSlot), pro.flight.CurrentVolume, kCentre);
  pro.svc.pump->Pump();
  if (!WaitSoundEnd(pro, Slot(pro, kWiperStartSlot))) return;
  sound.PlayLooping(Slot(pro, kWiperLoopSlot), pro.flight.CurrentVolume, kCentre);
}

void ToggleAirconSound(state::ProContext& pro) {
  auto& sound = *pro.svc.sound;
  if (pro.flight.AirconOn) {
    pro.flight.AirconOn = false;
    sound.Stop(Slot(pro, kAirconSlot));
    return;
  }
  pro.flight.AirconOn = true;
  UseVolumeIndex(pro, kAirconVolumeIndex);
  sound.PlayLooping(Slot(pro, kAirconSlot), pro.flight.CurrentVolume, kCentre);
}

}  // namespace vx::announce
