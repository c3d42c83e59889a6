#include "announce/atc_chatter.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "announce/background_music.h"
#include "announce/sound_slots.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/random.h"
#include "platform/sound_device.h"
#include "simlink/cabin_strip.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

// Draws that may repeat the last recording before the next one in the list is taken.
constexpr int kRepeatDraws = 21;

enum State : std::int16_t { kOff = 0, kOn = 1, kSwitchingOff = 2, kSwitchingOn = 3 };

void Colour(state::ProContext& pro, int back, int fore) {
  if (simlink::CabinStrip* strip = pro.sim.cabinStrip) {
    strip->SetBackColour(simlink::CabinBox::tbxATC, back);
    strip->SetForeColour(simlink::CabinBox::tbxATC, fore);
  }
  pro.svc.pump->Pump();
}

int DrawIndex(state::ProContext& pro, int count) {
  const int i = static_cast<int>(std::floor(pro.svc.random->Next() * count));
  return i < 0 ? 0 : (i >= count ? count - 1 : i);
}

// A list index other than the last one's; a list of one file plays that file again.
int NextRecording(state::ProContext& pro, int count) {
  const int last = pro.engine.AtcLastIndex;
  if (count == 1) return 0;
  for (int draw = 0; draw < kRepeatDraws; ++draw) {
    const int i = DrawIndex(pro, count);
    if (i != last) return i;
    pro.svc.pump->Pump();
  }
  return (last + 1) % count;
}

}  // namespace

void PlayAtcChatter(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  auto& pump = *pro.svc.pump;
  switch (pro.flight.AtcChatterState) {
    case kSwitchingOff:
      pro.flight.AtcChatterState = kOff;
      if (SlotPlaying(pro, kAtcSlot)) {
        StopSlot(pro, kAtcSlot);
        pump.Pump();
      }
      Colour(pro, kAtcOffBack, kAtcOffFore);
      return;
    case kSwitchingOn:
      pro.flight.AtcChatterState = kOn;
      Colour(pro, kAtcOnBack, kAtcOnFore);
      break;
    case kOn:
      break;
    default:
      return;
  }

  const auto now = static_cast<float>(pro.svc.clock->SecondsSinceMidnight());
  if (SlotPlaying(pro, kAtcSlot)) {
    pro.flight.AtcLastTime = now;
    return;
  }
  if (state::QuietSoundOn(e)) return;
  // Before midnight has passed since the last recording, the pause is counted; after it
  // (now earlier than the last time) the next recording starts at once.
  if (now > pro.flight.AtcLastTime && std::nearbyint(now - pro.flight.AtcLastTime) < pro.flight.AtcGapSeconds) return;

  pro.flight.AtcLastTime = now;
  pro.flight.AtcGapSeconds = static_cast<std::int16_t>(2 + static_cast<int>(std::floor(pro.svc.random->Next() * 20)));
  StopSlot(pro, kAtcSlot);
  pump.Pump();
  FreeSlot(pro, kAtcSlot);
  pump.Pump();

  const int channel = pro.flight.AtcChatterChannel;
  if (channel < 0 || channel >= state::kAtcChannelCount) return;
  const state::AtcFileList& list = e.AtcFileLists[static_cast<std::size_t>(channel)];
  const int count = std::min<int>(list.count, static_cast<int>(list.paths.size()));
  if (count < 1) return;
  const int index = NextRecording(pro, count);
  e.AtcLastIndex = static_cast<std::int16_t>(index);
  e.SoundSlotFile[kAtcSlot] = list.paths[static_cast<std::size_t>(index)];
  LoadSlot(pro, kAtcSlot);
  pump.Pump();
  PlaySlot(pro, kAtcSlot, platform::kFullVolume, platform::kPanCentre);
  pump.Pump();
}

}  // namespace vx::announce
