#include "callout/channel_commands.h"

#include <cmath>
#include <cstdint>

#include "callout/exp_link.h"
#include "callout/eye_view.h"
#include "callout/exp_view.h"
#include "platform/event_pump.h"
#include "platform/sound_device.h"
#include "simlink/channel_layout.h"
#include "simlink/channels.h"
#include "state/exp_context.h"

namespace vx::callout {
namespace {

constexpr int kMutedVolume = -3000;
constexpr int kTakeoffCall = 39;

void Pump(state::ExpContext& exp) {
  if (exp.svc.pump) exp.svc.pump->Pump();
}

}  // namespace

void ApplyMuteWord(state::ExpContext& exp) {
  auto& snd = exp.sound;
  const bool quiet = exp.sim.VolRecord.QuietSound != 0;
  if (quiet && snd.MuteApplied == 0) {
    snd.MuteApplied = -1;
    for (int i = 0; i < state::kCallSoundCount; ++i) {
      if (exp.svc.sound) exp.svc.sound->SetVolume(snd.CallSoundBuffer[i], kMutedVolume);
      Pump(exp);
    }
  } else if (!quiet && snd.MuteApplied == -1) {
    snd.MuteApplied = 0;
    for (int i = 0; i < state::kCallSoundCount; ++i) {
      snd.CallVolumes[i] = snd.CallVolumeTable[i];
      if (exp.svc.sound) exp.svc.sound->SetVolume(snd.CallSoundBuffer[i], snd.CallVolumes[i]);
      Pump(exp);
    }
  }
}

void HandleViewCommand(state::ExpContext& exp) {
  auto& vol = exp.sim.VolRecord;
  if (vol.VolCommandCode != kViewStepCommand) return;
  vol.VolCommandCode = kViewStepTaken;
  simlink::WriteVolWord(simlink::kVolCommandWordOffset, kViewStepTaken, exp.sim.vol);
  auto view = ExpEyeView(exp);
  if (!view) return;
  auto& eye = exp.view.eye;
  std::int16_t mode = 1;
  if (exp.sim.HeightAglFt < 1001) {
    eye.CurrentViewPreset = static_cast<std::int16_t>(eye.CurrentViewPreset + 1);
    if (eye.CurrentViewPreset > 5) eye.CurrentViewPreset = 0;
    if (eye.CurrentViewPreset == 4 || eye.CurrentViewPreset == 5) {
      eye.TowerEyePoint = exp.view.PresetEyePoints[static_cast<std::size_t>(eye.CurrentViewPreset)];
      WriteEyePoint(*view, mode);
    } else {
      ApplyViewPreset(*view, eye.CurrentViewPreset, mode, 1);
    }
    return;
  }
  if (eye.CurrentViewPreset == 3) {
    eye.CurrentViewPreset = 4;
    const auto height = static_cast<std::int32_t>(std::lround(exp.sim.HeightAglFt / 3.28084));
    PlaceEyePoint(*view, height, 1500.0, 0.0, 70);
    WriteEyePoint(*view, mode);
  } else {
    eye.CurrentViewPreset = eye.CurrentViewPreset == 2 ? 3 : 2;
    ApplyViewPreset(*view, eye.CurrentViewPreset, mode, 0);
  }
}

void HandleStabTrigger(state::ExpContext& exp) {
  if (exp.sim.Engine1N1Raw < kStabTriggerN1) return;
  std::int32_t word = 0;
  simlink::ReadLongFromChannel(word, exp.sim.stab);
  if (word == 0) return;
  if (exp.svc.sound) {
    exp.svc.sound->Play(exp.sound.CallSoundBuffer[kTakeoffCall], exp.sound.CallVolumes[kTakeoffCall], 0);
  }
  Pump(exp);
  simlink::WriteLongToChannel(0, exp.sim.stab);
  Pump(exp);
  WriteStateFlag(exp, 0);
  Pump(exp);
}

}  // namespace vx::callout
