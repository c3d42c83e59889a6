#include "callout/channel_commands.h"

#include <cstdint>

#include "callout/exp_link.h"
#include "platform/event_pump.h"
#include "platform/sound_device.h"
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
