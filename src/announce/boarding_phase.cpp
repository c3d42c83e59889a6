#include "announce/boarding_phase.h"

#include <array>
#include <string>

#include "announce/board.h"
#include "announce/departure_clock.h"
#include "announce/group_run.h"
#include "announce/lobby_chime.h"
#include "announce/route_region.h"
#include "announce/sound_slots.h"
#include "announce/spoken_digits.h"
#include "mainfiles/files.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

// G0's parts in the sound slots.
namespace g0 {
inline constexpr int kFirstCall = 7;  // final boarding call, first part
inline constexpr int kSecondCall = 8;
inline constexpr int kThirdCall = 9;
inline constexpr int kRepeat = 10;
inline constexpr int kMurmur = 11;  // looped
inline constexpr int kMurmurEnd = 12;
inline constexpr int kChime = 13;
inline constexpr int kAirline = 14;
inline constexpr int kArrivalAirport = 15;
inline constexpr int kFlightDigits = 16;  // to 19
inline constexpr int kHour = 20;
inline constexpr int kMinuteDigits = 21;  // and 22
inline constexpr int kGateDigits = 23;    // to 25
inline constexpr int kLastSlot = 25;
}  // namespace g0

constexpr std::string_view kSpecialRecording = "\\Wav\\himitu\\nw057\\G0搭乗案内.wav";

// Airline, hour, minute, flight number, destination, second part, gate, third part.
constexpr GroupStep kDetails[] = {
    PartStep(g0::kAirline, "Ｇ０：航空会社名"),
    PartStep(g0::kHour),
    DigitSteps(g0::kMinuteDigits, 2, &state::EngineState::MinuteDigitMask),
    DigitSteps(g0::kFlightDigits, 4, &state::EngineState::FlightDigitMask),
    PartStep(g0::kArrivalAirport, "Ｇ０：到着空港"),
    PartStep(g0::kSecondCall, "Ｇ０：出発案内２"),
    DigitSteps(g0::kGateDigits, 3, &state::EngineState::GateDigitMask),
    PartStep(g0::kThirdCall, "Ｇ０：出発案内３"),
};

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
    SetSlotFile(pro, g0::kMinuteDigits, "\\Wav\\Lob\\NumJ\\lo_nj" + runtime::IntText(tens) + ".wav");
  else
    SetSlotFile(pro, g0::kMinuteDigits, MinuteFile(tens * 10));
  SetSlotFile(pro, g0::kMinuteDigits + 1, MinuteFile(ones));
  std::string& mask = pro.engine.MinuteDigitMask;
  mask = tens != 0 ? "1" : "0";
  mask += (ones != 0 || tens == 0) ? "1" : "0";
}

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

  SetSlotFile(pro, g0::kFirstCall, "\\Wav\\Lob\\出発最終案内.wav");
  SetSlotFile(pro, g0::kSecondCall, "\\Wav\\Lob\\お客様は.wav");
  SetSlotFile(pro, g0::kThirdCall, "\\Wav\\Lob\\お急ぎ下さい.wav");
  SetSlotFile(pro, g0::kRepeat, "\\Wav\\Lob\\繰返しお知らせ.wav");
  SetSlotFile(pro, g0::kMurmur, "\\Wav\\Lob\\zawazawa_m.wav");
  SetSlotFile(pro, g0::kMurmurEnd, "\\Wav\\Lob\\zawazawa_e.wav");

  SetSlotFile(pro, g0::kChime, LobbyChime(pro, DepartureAirportSlot(pro)));
  SetSlotFile(pro, g0::kAirline, EntryRecording("\\Wav\\Lob\\Cmp", AirlineSlot(pro), "\\LCOMP_"));
  SetSlotFile(pro, g0::kArrivalAirport, EntryRecording("\\Wav\\Lob\\Apt0", ArrivalAirportSlot(pro), "\\LAPT_"));
  e.FlightDigitMask = SetFlightNumberSlots(pro, g0::kFlightDigits, kLobbyFlightPlaces);

  const auto& departure = pro.briefing.BriefingTimes.events[0];
  SetSlotFile(pro, g0::kHour, "\\Wav\\Lob\\NumHour\\" + runtime::Format(departure.localHour, "00") + "時.wav");
  SetMinuteSlots(pro, departure.localMinute);

  const SpokenNumber gate = BuildSpokenDigits(pro.briefing.TobBriefing.DepartureGate, kLobbyGatePlaces);
  SetSpokenDigitSlots(pro, g0::kGateDigits, gate);
  e.GateDigitMask = gate.mask;

  LoadSlotRange(pro, g0::kFirstCall, g0::kLastSlot);
}

void AnnounceBoardingDetails(state::ProContext& pro) { GroupRun(pro, GroupId::G0).Steps(kDetails); }

void AnnounceBoardingCall(state::ProContext& pro) {
  GroupRun g(pro, GroupId::G0);
  UseVolumeIndex(pro, g.Spec().volumeIndex);
  g.Part(g0::kChime, "Ｇ０：チャイム");
  g.Part(g0::kFirstCall, "Ｇ０：出発案内１");
  AnnounceBoardingDetails(pro);
  g.Wait(kBetweenCallsSeconds);
  g.Part(g0::kRepeat, "Ｇ０：繰返し");
  AnnounceBoardingDetails(pro);
  if (g.Aborted()) return;
  g.Part(g0::kChime, "Ｇ０：チャイム");
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
    try {
      g.HandOver(kEyeCheck, mainfiles::WriteEyeCheckCfg);
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
    g.PlayLooping(g0::kMurmur);
  pump.Pump();

  if (viewSwitch) {
    g.Wait(kViewLeadSeconds);
  } else if (board) {
    g.Check();
    const datafiles::BoardShown shown = ShowFlightBoard(pro, datafiles::kDeparturesBoard);
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
    g.Play(g0::kMurmurEnd);
    pump.Pump();
    g.Stop(g0::kMurmur);
    pump.Pump();
    g.WaitEnd(g0::kMurmurEnd);
  }
  g.Close();
}

}  // namespace vx::announce
