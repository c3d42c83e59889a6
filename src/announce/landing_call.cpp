#include "announce/landing_call.h"

#include <string>

#include "announce/cabin_attendant.h"
#include "announce/group_run.h"
#include "announce/sound_slots.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

constexpr std::string_view kRecording = "\\15分前.wav";
constexpr int kSlot = 7;

}  // namespace

void PrepareFifteenMinuteAnnouncement(state::ProContext& pro) {
  const int n = ChooseCabinAttendant(pro, [&](int voice) { return CabinAttendantHas(pro, voice, {kRecording}); },
                                     {.voices = 4, .limit = VoiceDrawLimit::EachVoiceOnce});
  pro.engine.SoundSlotFile[kSlot].clear();
  if (n != 0) SetSlotFile(pro, kSlot, CabinAttendantFolder(n) + std::string(kRecording));
  LoadSlotRange(pro, kSlot, kSlot);
}

void AnnounceLandingIn15Min(state::ProContext& pro) {
  GroupRun g(pro, GroupId::LandingIn15Min);
  g.Open(PrepareFifteenMinuteAnnouncement);
  g.Part(kSlot);
  g.Close();
}

}  // namespace vx::announce
