#include "announce/boarding_phase.h"

#include <array>
#include <string>

#include "announce/departure_clock.h"
#include "announce/group_run.h"
#include "announce/lobby_chime.h"
#include "announce/pro_board.h"
#include "announce/pro_files.h"
#include "announce/route_region.h"
#include "announce/sound_slots.h"
#include "announce/spoken_digits.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

enum Slot : int {
  kFirstCall = 7,   // final boarding call, first part
  kSecondCall = 8,
  kThirdCall = 9,
  kRepeat = 10,
  kMurmur = 11,     // looped
  kMurmurEnd = 12,
  kChime = 13,
  kAirline = 14,
  kArrivalAirport = 15,
  kFlightDigits = 16,  // to 19
  kHour = 20,
  kMinuteDigits = 21,  // and 22
  kGateDigits = 23,    // to 25
  kLastBoardingSlot = 25,
};

constexpr std::string_view kSpecialRecording = "\\Wav\\himitu\\nw057\\G0搭乗案内.wav";

constexpr std::array<DigitForms, 4> kFlightPlaces = {{
    {"\\Wav\\Lob\\NumJ\\lo_nk", "\\Wav\\Lob\\NumBin\\lo_bk"},
    {"\\Wav\\Lob\\NumJ\\lo_nh", "\\Wav\\Lob\\NumBin\\lo_bh"},
    {"\\Wav\\Lob\\NumJ\\lo_nj", "\\Wav\\Lob\\NumBin\\lo_bj"},
    {"", "\\Wav\\Lob\\NumBin\\lo_bs"},
}};
constexpr std::array<DigitForms, 3> kGatePlaces = {{
    {"\\Wav\\Lob\\NumJ\\lo_nh", "\\Wav\\Lob\\NumGate\\lo_gh"},
    {"\\Wav\\Lob\\NumJ\\lo_nj", "\\Wav\\Lob\\NumGate\\lo_gj"},
    {"", "\\Wav\\Lob\\NumGate\\lo_gs"},
}};

constexpr std::string_view kViewSwitchOn = "ON";
constexpr std::string_view kEyeCheck = "\\EyeCheck.cfg";
constexpr float kViewLeadSeconds = 10.0f;
constexpr float kSpecialCallSeconds = 10.0f;
constexpr float kBetweenCallsSeconds = 2.0f;
constexpr float kAfterCallSeconds = 3.0f;
constexpr float kViewTailSeconds = 7.0f;

std::string MinuteFile(int minute) { return "\\Wav\\Lob\\NumMinu\\" + runtime::Format(minute, "00") + "分発.wav"; }

// The departure minute: its tens digit in the running form followed by the ones' file,
// or one file for a whole ten; the mask says which of the two slots speak.
void SetMinuteSlots(state::ProContext& pro, int minute) {
  const int tens = minute / 10;
  const int ones = minute % 10;
  if (ones != 0)
    SetSlotFile(pro, kMinuteDigits, "\\Wav\\Lob\\NumJ\\lo_nj" + runtime::IntText(tens) + ".wav");
  else
    SetSlotFile(pro, kMinuteDigits, MinuteFile(tens * 10));
  SetSlotFile(pro, kMinuteDigits + 1, MinuteFile(ones));
  std::string& mask = pro.engine.MinuteDigitMask;
  mask = tens != 0 ? "1" : "0";
  mask += (ones != 0 || tens == 0) ? "1" : "0";
}

bool Spoken(const std::string& mask, std::size_t place) { return place < mask.size() && mask[place] == '1'; }

// The fuel of the left, right and centre tank groups and of all tanks as the last
// simulator read left it: percent, pounds, gallons each.
void TakeDepartureFuel(state::ProContext& pro) {
  const auto& f = pro.sim.FuelTotals;
  pro.briefing.DepartureFuel = {f.leftPercent,   f.leftLbs,   f.leftGallons,   f.rightPercent,
                                f.rightLbs,      f.rightGallons, f.centrePercent, f.centreLbs,
                                f.centreGallons, f.totalPercent, f.FuelTotalLbs,  f.totalGallons};
}

std::string ViewFaultCaption(const std::string& why) { return "Ｇ０：視点切替なし（" + why + "）"; }
std::string BoardFaultCaption(const std::string& why) { return "Ｇ０：パタパタ表示なし（" + why + "）"; }

}  // namespace

void PrepareBoardingAnnouncement(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  LoadSpecialRecording(pro, kSpecialRecording);

  SetSlotFile(pro, kFirstCall, "\\Wav\\Lob\\出発最終案内.wav");
  SetSlotFile(pro, kSecondCall, "\\Wav\\Lob\\お客様は.wav");
  SetSlotFile(pro, kThirdCall, "\\Wav\\Lob\\お急ぎ下さい.wav");
  SetSlotFile(pro, kRepeat, "\\Wav\\Lob\\繰返しお知らせ.wav");
  SetSlotFile(pro, kMurmur, "\\Wav\\Lob\\zawazawa_m.wav");
  SetSlotFile(pro, kMurmurEnd, "\\Wav\\Lob\\zawazawa_e.wav");

  const std::string chime = LobbyChime(pro, DepartureAirportIndex(pro));
  if (chime.empty())
    SetSlotSilent(pro, kChime);
  else
    SetSlotFile(pro, kChime, chime);

  const RegionIndex airline = TableRegion(AirlineIndex(pro));
  SetSlotFile(pro, kAirline, "\\Wav\\Lob\\Cmp" + std::string(airline.folder) + "\\LCOMP_" + airline.Number() + ".wav");
  const RegionIndex arrival = TableRegion(ArrivalAirportIndex(pro));
  SetSlotFile(pro, kArrivalAirport,
              "\\Wav\\Lob\\Apt0" + std::string(arrival.folder) + "\\LAPT_" + arrival.Number() + ".wav");

  const SpokenNumber flight = BuildSpokenDigits(runtime::CInt(pro.briefing.TobBriefing.FlightNumber), kFlightPlaces);
  SetSpokenDigitSlots(pro, kFlightDigits, flight);
  e.FlightDigitMask = flight.mask;

  const auto& departure = pro.briefing.BriefingTimes.events[0];
  SetSlotFile(pro, kHour, "\\Wav\\Lob\\NumHour\\" + runtime::Format(departure.localHour, "00") + "時.wav");
  SetMinuteSlots(pro, departure.localMinute);

  const SpokenNumber gate = BuildSpokenDigits(pro.briefing.TobBriefing.DepartureGate, kGatePlaces);
  SetSpokenDigitSlots(pro, kGateDigits, gate);
  e.GateDigitMask = gate.mask;

  LoadSlotRange(pro, kFirstCall, kLastBoardingSlot);
}

void AnnounceBoardingDetails(state::ProContext& pro) {
  GroupRun g(pro, GroupId::G0);
  const state::EngineState& e = pro.engine;
  g.Part(kAirline, "Ｇ０：航空会社名");
  g.Part(kHour);
  for (std::size_t place = 0; place < 2; ++place)
    if (Spoken(e.MinuteDigitMask, place)) g.Part(kMinuteDigits + static_cast<int>(place));
  for (std::size_t place = 0; place < 4; ++place)
    if (Spoken(e.FlightDigitMask, place)) g.Part(kFlightDigits + static_cast<int>(place));
  g.Part(kArrivalAirport, "Ｇ０：到着空港");
  g.Part(kSecondCall, "Ｇ０：出発案内２");
  for (std::size_t place = 0; place < 3; ++place)
    if (Spoken(e.GateDigitMask, place)) g.Part(kGateDigits + static_cast<int>(place));
  g.Part(kThirdCall, "Ｇ０：出発案内３");
}

void AnnounceBoardingCall(state::ProContext& pro) {
  GroupRun g(pro, GroupId::G0);
  UseVolumeIndex(pro, g.Spec().volumeIndex);
  g.Part(kChime, "Ｇ０：チャイム");
  g.Part(kFirstCall, "Ｇ０：出発案内１");
  AnnounceBoardingDetails(pro);
  g.Wait(kBetweenCallsSeconds);
  g.Part(kRepeat, "Ｇ０：繰返し");
  AnnounceBoardingDetails(pro);
  if (g.Aborted()) return;
  g.Part(kChime, "Ｇ０：チャイム");
}

void RunBoardingPhase(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  auto& pump = *pro.svc.pump;
  GroupRun g(pro, GroupId::G0);
  const bool viewSwitch = pro.main.ViewSwitchOption == kViewSwitchOn;
  const bool board = !viewSwitch && pro.briefing.TobBriefing.FlipBoardOn == 1;
  const bool special = e.SpecialVoiceOn;

  pro.flight.FlightStage = 0;
  TakeDepartureClock(pro);
  TakeDepartureFuel(pro);
  ClearFlightMaxima(pro);

  // What could not be shown, reported when it fails and again where the group would
  // have taken it down.
  std::string report;
  if (viewSwitch) {
    g.Check();
    try {
      announce::WriteEyeCheckCfg(pro);
    } catch (const runtime::RuntimeError& error) {
      report = ViewFaultCaption(error.Text());
    }
  }

  g.Begin();
  if (!report.empty()) g.Caption(report);
  g.Load(PrepareBoardingAnnouncement);

  if (special)
    g.PlayAt(kSpecialSlot, 0);
  else
    g.PlayLooping(kMurmur);
  pump.Pump();

  if (viewSwitch) {
    g.Wait(kViewLeadSeconds);
  } else if (board) {
    g.Check();
    const datafiles::BoardShown shown = announce::ShowFlightBoard(pro, datafiles::kDeparturesBoard);
    if (!shown.Shown()) {
      report = BoardFaultCaption(shown.fault);
      g.Caption(report);
    }
    pump.Pump();
  }

  if (!g.Aborted()) {
    if (special)
      g.Wait(kSpecialCallSeconds);
    else
      AnnounceBoardingCall(pro);
  }

  if (!report.empty()) g.Caption(report);
  if (viewSwitch) {
    g.Wait(kAfterCallSeconds);
    g.Check();
    pro.svc.paths->DeleteIfExists(kEyeCheck);
    pump.Pump();
    g.Wait(kViewTailSeconds);
  } else {
    if (board) CloseDepartureBoard(pro);
    g.Wait(kAfterCallSeconds);
    g.Check();
    pro.svc.paths->DeleteIfExists(kEyeCheck);
    pump.Pump();
  }

  pump.Pump();
  if (special) {
    g.WaitEnd(kSpecialSlot);
  } else {
    g.Play(kMurmurEnd);
    pump.Pump();
    g.Stop(kMurmur);
    pump.Pump();
    g.WaitEnd(kMurmurEnd);
  }
  g.Close();
}

}  // namespace vx::announce
