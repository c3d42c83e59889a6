#include "mainwindow/quiet_sound.h"

#include "announce/background_music.h"
#include "announce/flight_window_view.h"
#include "datafiles/volume_table.h"
#include "platform/event_pump.h"
#include "platform/mp3_player.h"
#include "platform/music_device.h"
#include "platform/sound_device.h"
#include "simlink/main_channels.h"
#include "state/pro_context.h"

namespace vx::mainwindow {
namespace {

// The level a slot plays at outside quiet mode.
std::int16_t SlotVolume(const state::ProContext& pro, int slot) {
  const state::EngineState& e = pro.engine;
  const std::int16_t current = pro.flight.CurrentVolume;
  const bool approach = pro.flight.CurrentVolumeIndex == 2;
  switch (slot) {
    case 1:
    case 2:
    case 3:
      return datafiles::TableVolume(e, 29);
    case 4:
      return datafiles::TableVolume(e, 30);
    case 7:
    case 9:
    case 10:
      return approach ? datafiles::TableVolume(e, 20) : current;
    case 34:
    case 35:
      return approach ? datafiles::TableVolume(e, 22) : current;
    default:
      return current;
  }
}

void SetSlotVolumes(state::ProContext& pro, bool quiet) {
  state::EngineState& e = pro.engine;
  const int last = std::min<int>(e.LastLoadedSlot, state::kSoundSlotCount - 1);
  for (int slot = 0; slot <= last; ++slot) {
    const int volume = quiet ? kQuietSoundAttenuation : SlotVolume(pro, slot);
    if (pro.svc.sound) pro.svc.sound->SetVolume(e.SoundSlotBuffer[static_cast<std::size_t>(slot)], volume);
    pro.svc.pump->Pump();
  }
}

void PauseMp3(state::ProContext& pro) {
  if (pro.svc.mp3->State() != platform::kMp3Paused) pro.svc.mp3->Pause();
}

void SetKeyBox(state::ProContext& pro, const char* text) {
  if (pro.engine.flightWindow) pro.engine.flightWindow->SetText(announce::FlightBox::tbxKey, text);
  pro.svc.pump->Pump();
}

}  // namespace

void ToggleQuietSound(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  auto& pump = *pro.svc.pump;
  const bool playing = pro.flight.BgmPlaying;
  const bool segments = playing && e.BgmEngine == state::kEngineSegments && pro.svc.music;
  const bool mp3 = playing && e.BgmEngine == state::kEngineMp3 && pro.svc.mp3;

  if (e.QuietSound != 1) {
    e.QuietSound = 1;
    simlink::SendQuietSound(pro);
    pump.Pump();
    SetSlotVolumes(pro, true);
    if (segments) pro.svc.music->SetMasterVolume(kQuietSoundAttenuation);
    if (mp3) PauseMp3(pro);
    SetKeyBox(pro, "音小");
    return;
  }

  e.QuietSound = 0;
  simlink::SendQuietSound(pro);
  pump.Pump();
  pro.flight.CurrentVolume = datafiles::TableVolume(e, pro.flight.CurrentVolumeIndex);
  SetSlotVolumes(pro, false);
  if (segments) {
    pro.svc.music->SetMasterVolume(pro.flight.BgmLowered ? kQuietSoundAttenuation : announce::SegmentVolume(pro.flight.BgmVolume));
  }
  if (mp3) {
    if (pro.flight.BgmLowered) {
      PauseMp3(pro);
    } else if (pro.svc.mp3->State() == platform::kMp3Paused) {
      pro.svc.mp3->Restart();
    }
  }
  SetKeyBox(pro, "音大");
}

}  // namespace vx::mainwindow
