#include "announce/inflight_groups.h"

#include <string>
#include <string_view>

#include "announce/cabin_attendant.h"
#include "announce/group_run.h"
#include "announce/route_region.h"
#include "announce/sound_slots.h"
#include "platform/event_pump.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

// A group of one cabin attendant recording.
struct SingleRecordingGroup {
  GroupId id;
  std::string_view domestic;       // under the attendant's folder
  std::string_view international;  // empty: the same as domestic
  std::string_view hidden;         // the hidden set's recording; empty: none
};

constexpr SingleRecordingGroup kBeltSignOff{GroupId::A1, "\\A1.wav", {},
                                            "\\Wav\\himitu\\nw057\\A1上昇中アナウンス.wav"};
constexpr SingleRecordingGroup kServiceStart{GroupId::A3, "\\A3.wav", "\\A3int.wav",
                                             "\\Wav\\himitu\\nw057\\A3免税品販売.wav"};
constexpr SingleRecordingGroup kServiceEnd{GroupId::A6, "\\A6.wav", {}, {}};
constexpr SingleRecordingGroup kApproach{GroupId::A7, "\\A7.wav", {},
                                         "\\Wav\\himitu\\nw057\\A7到着２０分前アナウンス.wav"};
constexpr SingleRecordingGroup kFinalLanding{GroupId::A8, "\\A8.wav", {},
                                             "\\Wav\\himitu\\nw057\\A8最終着陸態勢.wav"};

constexpr int kFirstSlot = 7;
constexpr float kCockpitPauseSeconds = 5;

// The attendant's folder of the first voice that has every one of the files (bounded
// draw: voice 1 after 21 draws).
std::string AttendantFolder(state::ProContext& pro, std::initializer_list<std::string_view> files) {
  return CabinAttendantFolder(ChooseCabinAttendant(pro, [&](int v) { return CabinAttendantHas(pro, v, files); }));
}

void LoadSingle(state::ProContext& pro, const SingleRecordingGroup& group) {
  if (!group.hidden.empty() && pro.engine.SpecialVoiceOn) LoadSpecialRecording(pro, group.hidden);
  const std::string_view file =
      group.international.empty() || DomesticFlight(pro) ? group.domestic : group.international;
  SetSlotFile(pro, kFirstSlot, AttendantFolder(pro, {file}) + std::string(file));
  LoadSlotRange(pro, kFirstSlot, kFirstSlot);
  pro.svc.pump->Pump();
}

void RunSingle(state::ProContext& pro, const SingleRecordingGroup& group, void (*loader)(state::ProContext&)) {
  GroupRun g(pro, group.id);
  g.Open(loader);
  if (!group.hidden.empty() && pro.engine.SpecialVoiceOn)
    g.SpecialPart();
  else
    g.Part(kFirstSlot);
  g.Close();
}

// A5's parts in the sound slots.
namespace a5 {
inline constexpr int kCaptain = 7;
inline constexpr int kAirport = 8;
inline constexpr int kFirst = 9;
inline constexpr int kSecond = 10;
}  // namespace a5

constexpr std::string_view kOneHourHidden = "\\Wav\\himitu\\nw057\\A5映画.wav";

constexpr GroupStep kOneHourCabin[] = {
    PartStep(a5::kFirst),
    PartStep(a5::kAirport, "Ａ５：到着空港"),
    PartStep(a5::kSecond, "Ａ５：１時間前放送２"),
};

}  // namespace

void PrepareSeatbeltOffAnnouncement(state::ProContext& pro) { LoadSingle(pro, kBeltSignOff); }
void PrepareServiceStartAnnouncement(state::ProContext& pro) { LoadSingle(pro, kServiceStart); }
void PrepareServiceEndAnnouncement(state::ProContext& pro) { LoadSingle(pro, kServiceEnd); }
void PrepareApproachAnnouncement(state::ProContext& pro) { LoadSingle(pro, kApproach); }
void PrepareLandingAnnouncement(state::ProContext& pro) { LoadSingle(pro, kFinalLanding); }

void AnnounceBeltSignOff(state::ProContext& pro) { RunSingle(pro, kBeltSignOff, PrepareSeatbeltOffAnnouncement); }
void AnnounceServiceStart(state::ProContext& pro) { RunSingle(pro, kServiceStart, PrepareServiceStartAnnouncement); }
void AnnounceServiceEnd(state::ProContext& pro) { RunSingle(pro, kServiceEnd, PrepareServiceEndAnnouncement); }
void AnnounceApproach(state::ProContext& pro) { RunSingle(pro, kApproach, PrepareApproachAnnouncement); }
void AnnounceFinalLanding(state::ProContext& pro) { RunSingle(pro, kFinalLanding, PrepareLandingAnnouncement); }

void PrepareOneHourAnnouncement(state::ProContext& pro) {
  if (pro.engine.SpecialVoiceOn) LoadSpecialRecording(pro, kOneHourHidden);
  const bool domestic = DomesticFlight(pro);
  const std::string airport = EntryRecording("\\Apt", ArrivalAirportSlot(pro), "\\SAPT_");
  const std::string first = domestic ? "\\A5_1.wav" : "\\A5_1int.wav";
  const std::string second = domestic ? "\\A5_2.wav" : "\\A5_2int.wav";
  const std::string folder = AttendantFolder(pro, {airport, first});
  SetSlotFile(pro, a5::kCaptain, "\\Wav\\CP\\A5_0.wav");
  SetSlotFile(pro, a5::kAirport, airport.empty() ? std::string() : folder + airport);
  SetSlotFile(pro, a5::kFirst, folder + first);
  SetSlotFile(pro, a5::kSecond, folder + second);
  LoadSlotRange(pro, a5::kCaptain, a5::kSecond);
  pro.svc.pump->Pump();
}

void AnnounceOneHourToArrival(state::ProContext& pro) {
  GroupRun g(pro, GroupId::A5);
  g.Open(PrepareOneHourAnnouncement);
  if (pro.engine.SpecialVoiceOn) {
    g.SpecialPart();
  } else {
    if (g.Cockpit()) g.Part(a5::kCaptain);
    g.Wait(kCockpitPauseSeconds);
    g.Steps(kOneHourCabin);
  }
  g.Close();
}

void PrepareTurbulenceAnnouncement(state::ProContext& pro) {
  SetSlotFile(pro, 7, "\\Wav\\CP\\A9_0.wav");
  SetSlotFile(pro, 8, AttendantFolder(pro, {"\\A9.wav"}) + "\\A9.wav");
  LoadSlotRange(pro, 7, 8);
  pro.svc.pump->Pump();
}

void AnnounceTurbulence(state::ProContext& pro) {
  GroupRun g(pro, GroupId::A9);
  g.Open(PrepareTurbulenceAnnouncement);
  if (g.Cockpit()) g.Part(7);
  g.Wait(kCockpitPauseSeconds);
  g.Part(8);
  g.Close();
}

}  // namespace vx::announce
