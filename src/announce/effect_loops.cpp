#include "announce/effect_loops.h"

#include "announce/background_music.h"
#include "announce/engine_waits.h"
#include "mainwindow/pro_context.h"
#include "platform/event_pump.h"
#include "platform/sound_device.h"

namespace vx::announce {
namespace {

constexpr int kCentre = 0;

// CurrentVolumeIndex and CurrentVolume for a sound at this volume index.
void UseVolumeIndex(EngineState& e, int index) {
  e.CurrentVolumeIndex = static_cast<std::int16_t>(index);
  e.CurrentVolume =
      QuietSoundOn(e) ? static_cast<std::int16_t>(kQuietAttenuation) : e.AnnounceVolumeTable[static_cast<std::size_t>(index)];
}

std::int32_t Slot(const EngineState& e, int slot) { return e.SoundSlotBuffer[static_cast<std::size_t>(slot)]; }

}  // namespace

void ToggleWiperSound(mainwindow::ProContext& pro) {
  EngineState& e = pro.engine;
  auto& sound = *pro.svc.sound;
  UseVolumeIndex(e, kWiperVolumeIndex);
  if (e.WiperOn != 0) {
    e.WiperOn = 0;
    sound.Play(Slot(e, kWiperEndSlot), e.CurrentVolume, kCentre);
    pro.svc.pump->Pump();
    sound.Stop(Slot(e, kWiperLoopSlot));
    return;
  }
  e.WiperOn = -1;
  sound.Play(Slot(e, kWiperStartSlot), e.CurrentVolume, kCentre);
  pro.svc.pump->Pump();
  if (!WaitSoundEnd(pro, Slot(e, kWiperStartSlot))) return;
  sound.PlayLooping(Slot(e, kWiperLoopSlot), e.CurrentVolume, kCentre);
}

void ToggleAirconSound(mainwindow::ProContext& pro) {
  EngineState& e = pro.engine;
  auto& sound = *pro.svc.sound;
  if (e.AirconOn != 0) {
    e.AirconOn = 0;
    sound.Stop(Slot(e, kAirconSlot));
    return;
  }
  e.AirconOn = -1;
  UseVolumeIndex(e, kAirconVolumeIndex);
  sound.PlayLooping(Slot(e, kAirconSlot), e.CurrentVolume, kCentre);
}

}  // namespace vx::announce
