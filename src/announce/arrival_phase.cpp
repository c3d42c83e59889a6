#include "announce/arrival_phase.h"

#include <string>
#include <vector>

#include "announce/arrival_delay.h"
#include "announce/board.h"
#include "announce/cabin_attendant.h"
#include "announce/departure_clock.h"
#include "announce/flight_windows.h"
#include "announce/group_run.h"
#include "announce/lobby_chime.h"
#include "announce/mileage.h"
#include "announce/route_region.h"
#include "announce/sound_slots.h"
#include "announce/spoken_digits.h"
#include "mainfiles/files.h"
#include "mainfiles/flight_report.h"
#include "mainfiles/route.h"
#include "mainfiles/settings_file.h"
#include "platform/event_pump.h"
#include "platform/text_viewer.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "simlink/simulator_link.h"
#include "state/pro_context.h"
#include "ui/message_box.h"

namespace vx::announce {
namespace {

// G5's parts in the sound slots.
namespace g5 {
inline constexpr int kAirline = 7;
inline constexpr int kArrivalAirport = 8;
inline constexpr int kFirst = 9;
inline constexpr int kSecond = 10;
inline constexpr int kThird = 11;
}  // namespace g5

// G6's parts in the sound slots.
namespace g6 {
inline constexpr int kAirline = 7;         // the cabin attendant's airline name
inline constexpr int kCaptainFirst = 8;    // cockpit only
inline constexpr int kCabinFinal = 9;
inline constexpr int kCabinFinal2 = 10;
inline constexpr int kCaptainLast = 11;    // cockpit only
inline constexpr int kArrivalNotice = 12;
inline constexpr int kArrivalNotice2 = 13;
inline constexpr int kRepeat = 14;
inline constexpr int kDelay = 15;
inline constexpr int kMurmur = 16;  // looped
inline constexpr int kMurmurEnd = 17;
inline constexpr int kChime = 18;
inline constexpr int kLobbyAirline = 19;
inline constexpr int kOrigin = 20;
inline constexpr int kFlightDigits = 21;  // to 24
inline constexpr int kGateDigits = 25;    // to 27
inline constexpr int kLastSlot = 27;
}  // namespace g6

constexpr std::string_view kSpecialRecording = "\\Wav\\himitu\\nw057\\G5到着アナウンス.wav";

// G5: first part, airport, second part, airline, third part.
constexpr GroupStep kArrivalParts[] = {
    PartStep(g5::kFirst),
    PartStep(g5::kArrivalAirport, "Ｇ５：到着空港"),
    PartStep(g5::kSecond, "Ｇ５：到着放送２"),
    PartStep(g5::kAirline, "Ｇ５：航空会社名"),
    PartStep(g5::kThird, "Ｇ５：到着放送３"),
};

constexpr GroupStep kDetails[] = {
    PartStep(g6::kLobbyAirline, "Ｇ６：航空会社名"),
    DigitSteps(g6::kFlightDigits, 4, &state::EngineState::FlightNumberDigitMask),
    PartStep(g6::kOrigin, "Ｇ６：出発空港"),
    PartStep(g6::kDelay, "Ｇ６：到着遅れ"),
    DigitSteps(g6::kGateDigits, 3, &state::EngineState::GateDigitMask),
    PartStep(g6::kArrivalNotice2, "Ｇ６：到着案内２"),
};

constexpr std::string_view kOn = "ON";
constexpr float kBeforeGuidanceSeconds = 5.0f;
constexpr float kAfterDetailsSeconds = 1.0f;
constexpr float kAfterBoardSeconds = 3.0f;
constexpr float kViewPollSeconds = 1.0f;
constexpr int kMinutesPerDay = 1440;

// Delay class -1 and 0 both say "00分遅れ"; classes beyond 50 say "60分遅れ".
std::string DelayFile(int delayClass) {
  int minutes = 60;
  switch (delayClass) {
    case -1:
    case 0: minutes = 0; break;
    case 10:
    case 20:
    case 30:
    case 40:
    case 50: minutes = delayClass; break;
    default: break;
  }
  return "\\Wav\\Lob\\NumDelay\\" + runtime::Format(minutes, "00") + "分遅れ.wav";
}

// The simulator's clock as the actual arrival, its time difference as the arrival's, and
// the scheduled arrival's local time in the arrival's time zone.
void TakeArrivalClock(state::ProContext& pro) {
  state::BriefingTimesValues& times = pro.briefing.BriefingTimes;
  const state::SimClockFields& clock = pro.sim.SimClock;
  times.events[3] = {clock.localHour, clock.localMinute, clock.gmtHour, clock.gmtMinute};
  times.arrivalTimeDifference = pro.sim.SimTimeOffset;
  state::BriefingEventTime& scheduled = times.events[1];
  int m = scheduled.gmtHour * 60 + scheduled.gmtMinute - pro.sim.SimTimeOffset;
  if (m < 0) m += kMinutesPerDay;
  if (m > kMinutesPerDay - 1) m -= kMinutesPerDay;
  scheduled.localHour = static_cast<std::int16_t>(m / 60);
  scheduled.localMinute = static_cast<std::int16_t>(m - scheduled.localHour * 60);
}

// One box for every record that could not be written.
void ReportUnwrittenRecords(state::ProContext& pro, const std::vector<datafiles::ReportWritten>& records) {
  std::string text;
  for (const datafiles::ReportWritten& r : records)
    if (!r.Written()) text += "\n\n" + r.path.string() + "\n" + r.fault;
  if (text.empty() || !pro.boxes) return;
  pro.boxes->Show("フライトレポートを書き込めませんでした。" + text, ui::Buttons::Ok, ui::Icon::Exclamation,
                  "フライトレポート");
}

// A view of the call-out program: its signal file written, then polled for until it is
// there (or the announcement is cut). A file that cannot be written is reported in the
// caption and the guidance goes on without the view.
void HandOverView(GroupRun& g, void (*write)(state::ProContext&), std::string_view literal) {
  try {
    g.HandOver(literal, write);
  } catch (const runtime::RuntimeError& error) {
    g.Caption("Ｇ６：視点切替なし（" + error.Text() + "）");
    return;
  }
  g.WaitForFile(literal, kViewPollSeconds, PollCut::Ends);
}

bool BoardOn(const state::ProContext& pro) { return pro.briefing.TobBriefing.FlipBoardOn == 1; }

}  // namespace

void PrepareArrivalAnnouncement(state::ProContext& pro) {
  LoadSpecialRecording(pro, kSpecialRecording);
  const std::string airline = EntryRecording("\\Cmp", AirlineSlot(pro), "\\SCOMP_");
  const std::string airport = EntryRecording("\\Apt", ArrivalAirportSlot(pro), "\\SAPT_");
  const int n = ChooseCabinAttendant(
      pro, [&](int v) { return CabinAttendantHas(pro, v, {"\\G5_1.wav", airport, airline}); }, VoiceDraw{.voices = 3});
  const std::string folder = CabinAttendantFolder(n);
  SetSlotFile(pro, g5::kAirline, CabinAttendantFile(n, airline));
  SetSlotFile(pro, g5::kArrivalAirport, CabinAttendantFile(n, airport));
  SetSlotFile(pro, g5::kFirst, folder + "\\G5_1.wav");
  SetSlotFile(pro, g5::kSecond, folder + "\\G5_2.wav");
  SetSlotFile(pro, g5::kThird, folder + "\\G5_3.wav");
  LoadSlotRange(pro, g5::kAirline, g5::kThird);
}

void AnnounceArrival(state::ProContext& pro) {
  pro.flight.FlightStage = 1;
  GroupRun g(pro, GroupId::G5);
  g.Open(PrepareArrivalAnnouncement);
  if (pro.engine.SpecialVoiceOn)
    g.SpecialPart();
  else
    g.Steps(kArrivalParts);
  g.Close();
}

void PrepareFinalAnnouncement(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  const std::string airline = EntryRecording("\\Cmp", AirlineSlot(pro), "\\SCOMP_");
  const int n = ChooseCabinAttendant(pro, [&](int v) { return CabinAttendantHas(pro, v, {"\\G6_1.wav", airline}); },
                                     VoiceDraw{.voices = 4});
  const std::string folder = CabinAttendantFolder(n);
  SetSlotFile(pro, g6::kAirline, CabinAttendantFile(n, airline));
  SetSlotFile(pro, g6::kCaptainFirst, "\\Wav\\CP\\G6_0.wav");
  SetSlotFile(pro, g6::kCabinFinal, folder + "\\G6_1.wav");
  SetSlotFile(pro, g6::kCabinFinal2, folder + "\\G6_2.wav");
  SetSlotFile(pro, g6::kCaptainLast, "\\Wav\\CP\\G6_3.wav");
  SetSlotFile(pro, g6::kArrivalNotice, "\\Wav\\Lob\\到着便のお知らせ.wav");
  SetSlotFile(pro, g6::kArrivalNotice2, "\\Wav\\Lob\\到着しました.wav");
  SetSlotFile(pro, g6::kRepeat, "\\Wav\\Lob\\繰返しご案内.wav");
  SetSlotFile(pro, g6::kDelay, DelayFile(pro.files.ArrivalDelayClass));
  SetSlotFile(pro, g6::kMurmur, "\\Wav\\Lob\\zawazawa_m.wav");
  SetSlotFile(pro, g6::kMurmurEnd, "\\Wav\\Lob\\zawazawa_e.wav");

  SetSlotFile(pro, g6::kChime, LobbyChime(pro, ArrivalAirportSlot(pro)));
  SetSlotFile(pro, g6::kLobbyAirline, EntryRecording("\\Wav\\Lob\\Cmp", AirlineSlot(pro), "\\LCOMP_"));
  SetSlotFile(pro, g6::kOrigin, EntryRecording("\\Wav\\Lob\\Apt1", DepartureAirportSlot(pro), "\\LAPT_"));
  e.FlightNumberDigitMask = SetFlightNumberSlots(pro, g6::kFlightDigits, kLobbyFlightPlaces);
  const SpokenNumber gate = BuildSpokenDigits(pro.main.ArrivalGate, kLobbyGatePlaces);
  SetSpokenDigitSlots(pro, g6::kGateDigits, gate);
  e.GateDigitMask = gate.mask;

  LoadSlotRange(pro, g6::kAirline, g6::kLastSlot);
}

void AnnounceArrivalDetails(state::ProContext& pro) { GroupRun(pro, GroupId::G6Guidance).Steps(kDetails); }

void AnnounceArrivalGuidance(state::ProContext& pro) {
  GroupRun g(pro, GroupId::G6Guidance);
  const bool viewSwitch = pro.main.ViewSwitchOption == kOn;
  UseVolumeIndex(pro, g.Spec().volumeIndex);
  g.Part(g6::kChime, "Ｇ６：チャイム");
  g.Part(g6::kArrivalNotice, "Ｇ６：到着案内１");
  AnnounceArrivalDetails(pro);
  g.Wait(kAfterDetailsSeconds);
  if (BoardOn(pro)) CloseDepartureBoard(pro);
  pro.svc.pump->Pump();
  g.Wait(kAfterBoardSeconds);
  if (viewSwitch) HandOverView(g, mainfiles::WriteEyeCargoCfg, "\\EyeCargo.cfg");
  g.Part(g6::kRepeat, "Ｇ６：繰返し");
  AnnounceArrivalDetails(pro);
  g.Part(g6::kChime, "Ｇ６：チャイム");
  if (viewSwitch) HandOverView(g, mainfiles::WriteEyeDoorCfg, "\\EyeDoor.cfg");
}

void RunArrivalFinal(state::ProContext& pro) {
  auto& pump = *pro.svc.pump;
  GroupRun g(pro, GroupId::G6);
  pro.flight.FlightStage = 2;
  simlink::ReadSimulatorState(pro);
  TakeArrivalClock(pro);
  mainfiles::ApplyRouteAirports(pro.files);

  const datafiles::ReportWritten report = mainfiles::WriteFlightReport(pro);
  const datafiles::ReportWritten values = mainfiles::WriteFlightReportValues(pro);
  const datafiles::ReportWritten log = mainfiles::AppendFlightCsv(pro);
  ClassifyArrivalDelay(pro);
  ClearFlightMaxima(pro);
  ReportUnwrittenRecords(pro, {report, values, log});
  g.Check();

  g.Open(PrepareFinalAnnouncement);
  g.PlayLooping(g6::kMurmur);
  pump.Pump();
  if (BoardOn(pro)) {
    g.Check();
    const datafiles::BoardShown shown = ShowFlightBoard(pro, datafiles::kArrivalsBoard);
    if (!shown.Shown()) g.Caption("Ｇ６：パタパタ表示なし（" + shown.fault + "）");
    pump.Pump();
  }
  g.Wait(kBeforeGuidanceSeconds);
  if (!g.Aborted()) AnnounceArrivalGuidance(pro);
  // A cut guidance leaves the board up: take it down here.
  if (pro.files.BoardTaskId != 0) CloseDepartureBoard(pro);

  g.Play(g6::kMurmurEnd);
  g.Stop(g6::kMurmur);
  pump.Pump();
  g.WaitEnd(g6::kMurmurEnd);

  if (pro.main.SpeedCallOption == kOn || pro.main.AltitudeCallOption == kOn) {
    const bool aesArrival = pro.briefing.TobBriefing.ArrivalAesFlag != 0;
    if (g.Cockpit()) g.Part(g6::kCaptainFirst);
    g.Part(g6::kCabinFinal);
    g.Part(g6::kAirline, "Ｇ６：航空会社名");
    g.Part(g6::kCabinFinal2, "Ｇ６：最終放送２");
    if (!aesArrival && g.Cockpit()) g.Part(g6::kCaptainLast);
  }

  g.Check();
  if (report.Written() && pro.svc.textViewer) {
    pro.svc.textViewer->Show(report.path, pro.briefing.TobBriefing.ArrivalAesFlag == 0);
    pump.Pump();
  }
  g.Close();
  pump.Pump();

  CreditMileage(pro);
  if (pro.files.MileageMilestone > 0) {
    ShowFlightFormOnTop(pro, FlightForm::frmマイル達成);
    pump.Pump();
  }
  mainfiles::SaveVexlorProCfgWithoutAsking(pro);  // a "VexlorPro.cfg" this run could not load stays
  pump.Pump();
  BringSimulatorToFront(pro);
  pump.Pump();
}

}  // namespace vx::announce
