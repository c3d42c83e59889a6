#include "announce/taxi_phase.h"

#include <string>

#include "announce/cabin_attendant.h"
#include "announce/departure_clock.h"
#include "announce/group_run.h"
#include "announce/route_region.h"
#include "announce/sound_slots.h"
#include "datafiles/table_entries.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "runtime/text_rules.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

// G3's parts in the sound slots.
namespace g3 {
inline constexpr int kSafety = 7;        // the attendant's safety announcement, or the airline's own
inline constexpr int kLeadIn = 8;        // the attendant's lead-in to the airline's own
inline constexpr int kClosing = 9;
inline constexpr int kTaxi1 = 10;
inline constexpr int kTaxi2 = 11;
inline constexpr int kTaxi3 = 12;
inline constexpr int kTaxi4 = 13;
inline constexpr int kCaptainRunway1 = 14;
inline constexpr int kCaptainRunway2 = 15;
inline constexpr int kCaptainSide = 16;
inline constexpr int kOfficerRunway1 = 17;
inline constexpr int kOfficerRunway2 = 18;
inline constexpr int kOfficerSide = 19;
inline constexpr int kFlap = 20;
inline constexpr int kCabinCheck = 21;  // over the safety announcement, cockpit only
inline constexpr int kCheck1 = 22;
inline constexpr int kCheck2 = 23;
}  // namespace g3

constexpr std::string_view kSpecialRecording = "\\Wav\\himitu\\nw057\\G3安全放送.wav";
constexpr std::string_view kSafetyFolder = "\\Wav\\Etc\\安全放送\\";
constexpr std::string_view kLeft = "レフト(L)";
constexpr std::string_view kRight = "ライト(R)";

constexpr float kBeforeCabinCheckSeconds = 5;
constexpr float kAfterLeadInSeconds = 1;
constexpr float kBeforeChecksSeconds = 2;
constexpr float kBetweenG9PartsSeconds = 1;

// The flap recording of the take-off flap setting; any setting not listed says 15.
std::string FlapFile(int flap) {
  switch (flap) {
    case 5: case 10: case 20: case 25: case 30:
      return "\\Wav\\CP\\Flap\\CP_Flap" + std::to_string(flap) + ".wav";
    default:
      return "\\Wav\\CP\\Flap\\CP_Flap15.wav";
  }
}

// Whether the runway's side is spoken (left or right; a centre runway or none is not).
bool SideSpoken(const state::ProContext& pro) {
  const std::string& side = pro.briefing.TobBriefing.TakeoffRunwaySide;
  return side == kLeft || side == kRight;
}

}  // namespace

void PrepareSafetyAnnouncement(state::ProContext& pro) {
  using namespace g3;
  if (pro.engine.SpecialVoiceOn) LoadSpecialRecording(pro, kSpecialRecording);
  const int n = ChooseCabinAttendant(pro, [&](int v) { return CabinAttendantHas(pro, v, {"\\G3.wav"}); });
  const std::string folder = CabinAttendantFolder(n);
  SetSlotFile(pro, kSafety, folder + "\\G3.wav");
  SetSlotFile(pro, kLeadIn, folder + "\\G3_1.wav");
  SetSlotFile(pro, kClosing, folder + "\\G3_2.wav");

  pro.engine.AirlineSafetyFileUsed = 0;
  const std::string airlineFile = runtime::Trim(datafiles::AirlineEntry(pro.files.AirlineTable, AirlineSlot(pro)).安全放送);
  if (platform::IsBareFileName(airlineFile)) {
    const std::string literal = std::string(kSafetyFolder) + airlineFile;
    if (pro.svc.paths->Exists(literal)) {
      SetSlotFile(pro, kSafety, literal);
      pro.engine.AirlineSafetyFileUsed = 1;
    }
  }

  const auto& tob = pro.briefing.TobBriefing;
  const bool right = tob.TakeoffRunwaySide == kRight;
  SetSlotFile(pro, kTaxi1, "\\Wav\\CP\\G3_Taxi1.wav");
  SetSlotFile(pro, kTaxi2, "\\Wav\\CP\\G3_Taxi2.wav");
  SetSlotFile(pro, kTaxi3, "\\Wav\\CP\\G3_Taxi3.wav");
  SetSlotFile(pro, kTaxi4, "\\Wav\\CP\\G3_Taxi4.wav");
  SetSlotFile(pro, kCaptainRunway1, "\\Wav\\CP\\NumE\\cp_cm" + tob.TakeoffRunwayDigit1 + ".wav");
  SetSlotFile(pro, kCaptainRunway2, "\\Wav\\CP\\NumE\\cp_ce" + tob.TakeoffRunwayDigit2 + ".wav");
  SetSlotFile(pro, kCaptainSide, right ? "\\Wav\\CP\\Etc\\cp_rwr.wav" : "\\Wav\\CP\\Etc\\cp_rwl.wav");
  SetSlotFile(pro, kOfficerRunway1, "\\Wav\\FO\\NumE\\fo_cm" + tob.TakeoffRunwayDigit1 + ".wav");
  SetSlotFile(pro, kOfficerRunway2, "\\Wav\\FO\\NumE\\fo_ce" + tob.TakeoffRunwayDigit2 + ".wav");
  SetSlotFile(pro, kOfficerSide, right ? "\\Wav\\FO\\Etc\\fo_rwr.wav" : "\\Wav\\FO\\Etc\\fo_rwl.wav");
  SetSlotFile(pro, kFlap, FlapFile(tob.TakeoffFlap));
  SetSlotFile(pro, kCabinCheck, "\\Wav\\CP\\G3_CntChk.wav");
  SetSlotFile(pro, kCheck1, "\\Wav\\CP\\G3_BTOchk1.wav");
  SetSlotFile(pro, kCheck2, "\\Wav\\CP\\G3_BTOchk2.wav");
  LoadSlotRange(pro, kSafety, kCheck2);
  pro.svc.pump->Pump();
}

void RunTaxiPhase(state::ProContext& pro) {
  using namespace g3;
  ClearFlightMaxima(pro);
  GroupRun g(pro, GroupId::G3);
  g.Open(PrepareSafetyAnnouncement);

  if (g.Cockpit()) {
    const bool side = SideSpoken(pro);
    g.Part(kTaxi1);
    g.Part(kOfficerRunway1);
    g.Part(kOfficerRunway2);
    if (side) g.Part(kOfficerSide);
    g.Part(kTaxi2);
    g.Part(kCaptainRunway1);
    g.Part(kCaptainRunway2);
    if (side) g.Part(kCaptainSide);
    g.Part(kTaxi3);
    g.Part(kFlap);
    g.Part(kTaxi4);
  }

  if (pro.engine.SpecialVoiceOn) {
    if (!g.Aborted()) g.SpecialPart();
  } else {
    if (pro.engine.AirlineSafetyFileUsed == 1 && !g.Aborted()) {
      g.Part(kLeadIn);
      g.Wait(kAfterLeadInSeconds);
    }
    if (!g.Aborted()) {
      // The safety announcement, the cabin check spoken over it in the cockpit; a next
      // request during it fades it out.
      g.Play(kSafety);
      pro.svc.pump->Pump();
      g.Wait(kBeforeCabinCheckSeconds);
      if (g.Cockpit() && !g.Aborted()) {
        g.Play(kCabinCheck);
        g.WaitEnd(kCabinCheck);
      }
      g.WaitFading(kSafety);
    }
    g.Part(kClosing);
  }
  g.Wait(kBeforeChecksSeconds);

  if (g.Cockpit()) {
    g.Part(kCheck1);
    g.Part(kFlap);
    g.Part(kCheck2);
  }
  g.Close();
}

void PrepareTakeoffAnnouncement(state::ProContext& pro) {
  SetSlotFile(pro, 7, "\\Wav\\CP\\G4_CTO.wav");
  const int n = ChooseCabinAttendant(pro, [&](int v) { return CabinAttendantHas(pro, v, {"\\G4.wav"}); });
  SetSlotFile(pro, 8, CabinAttendantFolder(n) + "\\G4.wav");
  LoadSlotRange(pro, 7, 8);
  pro.svc.pump->Pump();
}

void RunTakeoffPhase(state::ProContext& pro) {
  ClearFlightMaxima(pro);
  GroupRun g(pro, GroupId::G4);
  g.Open(PrepareTakeoffAnnouncement);
  g.Part(8);
  if (g.Cockpit()) g.Part(7);
  g.Close();
  // From here on the call-out program runs its landing call-outs for this flight.
  pro.svc.paths->DeleteIfExists("\\BEGIN.cfg");
  pro.svc.pump->Pump();
}

void PrepareTakeoffWaitAnnouncement(state::ProContext& pro) {
  SetSlotFile(pro, 7, "\\Wav\\CP\\G9_1.wav");
  SetSlotFile(pro, 8, "\\Wav\\CP\\G9_2.wav");
  LoadSlotRange(pro, 7, 8);
  pro.svc.pump->Pump();
}

void AnnounceTakeoffWait(state::ProContext& pro) {
  GroupRun g(pro, GroupId::G9);
  g.Open(PrepareTakeoffWaitAnnouncement);
  if (g.Cockpit()) g.Part(7);
  g.Wait(kBetweenG9PartsSeconds);
  g.Part(8);
  g.Close();
}

}  // namespace vx::announce
