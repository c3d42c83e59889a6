#include "callout/callout_tick.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <exception>
#include <functional>
#include <iostream>

#include "callout/exp_files.h"
#include "callout/exp_link.h"
#include "callout/exp_sounds.h"
#include "callout/exp_view.h"
#include "callout/eye_view.h"
#include "platform/event_pump.h"
#include "platform/sound_device.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "simlink/channels.h"
#include "simlink/common_helpers.h"
#include "state/exp_context.h"
#include "ui/event_boundary.h"
#include "ui/message_box.h"
#include "ui/scope_guard.h"

namespace vx::callout {
namespace {

using state::CallOutState;
using state::ExpContext;

constexpr double kArrivalLatitudePerUnit = 8.9984275577e-6;
constexpr double kArrivalLongitudePerUnit = 8.381903171539e-8;

platform::SoundDevice* Sound(const ExpContext& exp) { return exp.svc.sound; }

std::int32_t Buffer(const ExpContext& exp, int n) {
  if (n < 0 || n >= state::kCallSoundCount) return 0;
  return exp.sound.CallSoundBuffer[static_cast<std::size_t>(n)];
}

int Volume(const ExpContext& exp, int n) { return exp.sound.CallVolumes[static_cast<std::size_t>(n)]; }

simlink::WaitHooks Hooks(ExpContext& exp) {
  return {*exp.svc.clock, *exp.svc.pump, [&exp] { return exp.frame.QuitRequested == 1; }, nullptr,
          [&exp] { ReadFlightStateFast(exp); }};
}

void ClearRearmRequests(CallOutState& c) { c.RearmSpeedCalls = c.RearmFlapCalls = c.RearmHeightCalls = 0; }
void ClearLatches(CallOutState& c) {
  c.SpeedCallsRearmed = c.FlapCallsRearmed = c.HeightCallsRearmed = c.ClimbCallsRearmed = 0;
}

// One row of the phase machine: from a phase, under a condition, to a phase, with what
// the transition does besides.
enum class PhaseEffect { None, GoAround, GoAroundLevel, Downwind, BackInbound };
struct PhaseRow {
  std::int16_t from;
  bool (*condition)(const ExpContext&, std::int16_t sector);
  std::int16_t to;
  PhaseEffect effect;
};

const std::array<PhaseRow, 9> kPhaseRows{{
    {0, [](const ExpContext& e, std::int16_t) { return e.sim.VerticalSpeedFpm > 500 && e.sim.IasKt > 80; }, 1,
     PhaseEffect::None},
    {1,
     [](const ExpContext& e, std::int16_t) { return e.sim.VerticalSpeedFpm > 500 && e.sim.HeightAboveArrivalFt > 1200; },
     2, PhaseEffect::None},
    {2,
     [](const ExpContext& e, std::int16_t) {
       return e.callout.TargetDistanceM < 100000 && e.sim.VerticalSpeedFpm < -500;
     },
     3, PhaseEffect::None},
    {3, [](const ExpContext& e, std::int16_t s) { return e.callout.TargetTrend == 1 && s == 2; }, 4, PhaseEffect::None},
    {4, [](const ExpContext& e, std::int16_t) { return e.sim.HeightAboveArrivalFt < 5000; }, 5, PhaseEffect::None},
    {5, [](const ExpContext& e, std::int16_t) { return e.sim.VerticalSpeedFpm > 1000 && e.sim.ThrottleLever > 13000; },
     6, PhaseEffect::GoAround},
    {6, [](const ExpContext& e, std::int16_t) { return e.sim.VerticalSpeedFpm < 100; }, 7, PhaseEffect::GoAroundLevel},
    {7, [](const ExpContext&, std::int16_t s) { return s == 1; }, 8, PhaseEffect::Downwind},
    {8, [](const ExpContext& e, std::int16_t s) { return e.callout.TargetTrend == 1 && s == 2; }, 5,
     PhaseEffect::BackInbound},
}};

void ApplyPhaseEffect(ExpContext& exp, PhaseEffect effect) {
  CallOutState& c = exp.callout;
  switch (effect) {
    case PhaseEffect::None:
      return;
    case PhaseEffect::GoAround:
    case PhaseEffect::GoAroundLevel:
      c.GoAroundState = 1;
      ClearRearmRequests(c);
      c.LocaliserCallArmed = c.GlideslopeCallArmed = 0;
      if (effect == PhaseEffect::GoAround) RunGoAroundSequence(exp);
      return;
    case PhaseEffect::Downwind:
    case PhaseEffect::BackInbound:
      c.GoAroundState = 0;
      c.RearmSpeedCalls = c.RearmFlapCalls = c.RearmHeightCalls = 1;
      c.LocaliserCallArmed = c.GlideslopeCallArmed = effect == PhaseEffect::BackInbound ? -1 : 0;
      return;
  }
}

void ReportTickError(ExpContext& exp, const char* what) {
  if (exp.callout.errorReported) return;
  exp.callout.errorReported = true;
  std::cerr << "VexlorEXP: call-out tick stopped by an error: " << what << '\n';
}

// The simulator link through the flight: its loss told once on standard error (the main
// program tells the user), and a new start until the simulator answers again.
void FollowExpSimulatorLink(ExpContext& exp) {
  if (!exp.svc.clock) return;
  simlink::SimLinkTarget target = ExpSimLinkTarget(exp);
  switch (simlink::FollowSimulatorLink(target, *exp.svc.clock)) {
    case simlink::SimLinkChange::Lost:
      std::cerr << "VexlorEXP: the simulator link is lost; it is started again when the simulator answers\n";
      break;
    case simlink::SimLinkChange::Back:
      std::cerr << "VexlorEXP: the simulator link is up again\n";
      break;
    case simlink::SimLinkChange::None:
      break;
  }
}

void EndFromTick(ExpContext& exp) {
  if (exp.engine.UnloadWindow) {
    exp.engine.UnloadWindow();
  } else if (exp.svc.pump) {
    exp.svc.pump->EndProgram(0);
  }
}

void TickBody(ExpContext& exp) {
  state::ExpFrameState& f = exp.frame;
  CallOutState& c = exp.callout;
  if (exp.sim.SlewModeWord == 0) {
    if (exp.settings.AltitudeCallOn == -1 || exp.settings.SpeedCallOn == -1) {
      StartWaitingCall(exp);
      if (!LastCallPlaying(exp)) {
        CheckApproachCheckCall(exp);
        CheckIlsAliveCalls(exp);
        if (c.LandedOnce == 0) CheckAfterTakeoffCalls(exp);
        CheckApproachFlapGearCalls(exp);
        CheckSpeedReductionCalls(exp);
        if (exp.settings.SpeedCallOn == -1 && c.LandedOnce == 0) CheckTakeoffSpeedCalls(exp);
      }
      if (f.BeginFilePresent == 0) CheckLandingCalls(exp);
      if (exp.sd.SpecialEngineSoundSwitch == 1) RunSpecialEngineSound(exp);
      HandleStabTrigger(exp);
      if (f.PushbackFilePresent == -1) RunPushbackMove(exp);
      if (f.BeginFilePresent == 0) DetectTouchdown(exp);
      UpdateReverseNoise(exp, 0);
      UpdateGearWindNoise(exp);
      RunFlightPhaseMachine(exp);
    } else {
      // With both call switches off the crew is silent: a call still waiting is not said.
      c.WaitingCalls.clear();
      // The pushback follows its own file, also with both call switches off.
      if (f.PushbackFilePresent == -1) RunPushbackMove(exp);
    }
    if (f.EyeViewPresent == -1) RunExternalViewCycle(exp);
    if (f.EyeDoorPresent == -1) RunDoorViewSequence(exp);
    if (f.EyeCargoPresent == -1) RunCargoViewSequence(exp);
    if (f.EyeCheckPresent == -1) RunInspectionViewSequence(exp);
  }
  if (++f.TickCount >= 10) {
    f.TickCount = 0;
    ReadFlightStateFull(exp);
  } else {
    ReadFlightStateFast(exp);
  }
}

}  // namespace

void InstallCallOutEngine(ExpContext& exp) {
  exp.engine.InitCallOutWindow = [&exp] { InitCallOutWindow(exp); };
  exp.engine.RunCallOutTick = [&exp] { RunCallOutTick(exp); };
  exp.engine.PollSoundSettingsFile = [&exp] { PollSoundSettingsFile(exp); };
  exp.engine.UpdateTargetTrend = [&exp] { UpdateTargetTrend(exp); };
}

void PumpEvents(ExpContext& exp) {
  if (exp.svc.pump) exp.svc.pump->Pump();
}

void PlaySoundAt(ExpContext& exp, int n, int volume) {
  const std::int32_t b = Buffer(exp, n);
  if (b != 0 && Sound(exp)) Sound(exp)->Play(b, volume, 0);
}
void PlaySound(ExpContext& exp, int n) {
  if (Buffer(exp, n) != 0) PlaySoundAt(exp, n, Volume(exp, n));
}
void CallSound(ExpContext& exp, int n) {
  CallOutState& c = exp.callout;
  const bool restart = n == c.LastSoundIndex && c.WaitingCalls.empty();
  if (LastCallPlaying(exp) && !restart) {
    if (std::find(c.WaitingCalls.begin(), c.WaitingCalls.end(), n) == c.WaitingCalls.end())
      c.WaitingCalls.push_back(static_cast<std::int16_t>(n));
    return;
  }
  c.LastSoundIndex = static_cast<std::int16_t>(n);
  PlaySound(exp, n);
}
void StartWaitingCall(ExpContext& exp) {
  CallOutState& c = exp.callout;
  if (c.WaitingCalls.empty() || SoundPlaying(exp, c.LastSoundIndex)) return;
  const std::int16_t n = c.WaitingCalls.front();
  c.WaitingCalls.erase(c.WaitingCalls.begin());
  c.LastSoundIndex = n;
  PlaySound(exp, n);
}
void LoopSound(ExpContext& exp, int n) {
  const std::int32_t b = Buffer(exp, n);
  if (b != 0 && Sound(exp)) Sound(exp)->PlayLooping(b, Volume(exp, n), 0);
}
void StopSound(ExpContext& exp, int n) {
  const std::int32_t b = Buffer(exp, n);
  if (b != 0 && Sound(exp)) Sound(exp)->Stop(b);
}
bool SoundPlaying(const ExpContext& exp, int n) {
  const std::int32_t b = Buffer(exp, n);
  return b != 0 && Sound(exp) && Sound(exp)->IsPlaying(b);
}
bool LastCallPlaying(const ExpContext& exp) {
  return SoundPlaying(exp, exp.callout.LastSoundIndex) || !exp.callout.WaitingCalls.empty();
}

bool WaitWhilePlaying(ExpContext& exp, int n) {
  if (!exp.svc.clock || !exp.svc.pump) return exp.frame.QuitRequested != 1;
  return simlink::WaitWhile(Hooks(exp), [&exp, n] { return SoundPlaying(exp, n); });
}
bool CallAndWait(ExpContext& exp, int n) {
  while (LastCallPlaying(exp)) {
    if (!WaitWhilePlaying(exp, exp.callout.LastSoundIndex)) return false;
    StartWaitingCall(exp);
  }
  CallSound(exp, n);
  return WaitWhilePlaying(exp, n);
}

int LandingCourse(const ExpContext& exp) {
  const std::string& text = exp.sd.landingRunwayNumber;
  int number = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (ec != std::errc()) return 0;
  return number * 10;
}

void InitCallOutWindow(ExpContext& exp) {
  if (exp.engine.MakeWindowTopmost) exp.engine.MakeWindowTopmost();
  exp.callout.SpecialEngineState = 0;
  exp.sim.ShowArrivalHeight = 0;
  ReadFlightStateFast(exp);
  PumpEvents(exp);
  auto view = ExpEyeView(exp);
  if (view) ReadAircraftPositionBlock(*view);
  PumpEvents(exp);
  exp.callout.FlightPhase = 0;
  exp.callout.ApproachCallsArmedOnce = 0;
  exp.view.eye.CurrentViewPreset = 1;
  if (!view) return;
  // The boarding-door view's values go in without switching the view.
  std::int16_t mode = 0;
  ApplyViewPreset(*view, 1, mode, 1);
  // The tower eye point of every preset, placed around the aircraft where it stands. A
  // preset whose texts are not numbers keeps the eye point it had; the others are placed.
  for (std::size_t i = 0; i < exp.view.PresetEyePoints.size(); ++i) {
    const auto& row = exp.view.eye.ViewPresets[i];
    try {
      const std::int32_t height = runtime::CLng(row[0]);
      const double distance = runtime::CDbl(row[1]);
      const double angle = runtime::CDbl(row[3]);
      const std::int16_t zoom = runtime::CInt(row[2]);
      PlaceEyePoint(*view, height, distance, angle, zoom);
      exp.view.PresetEyePoints[i] = exp.view.eye.TowerEyePoint;
    } catch (const runtime::RuntimeError&) {
    }
  }
}

void PollSoundSettingsFile(ExpContext& exp) {
  // Taking the file reads and deletes it in one step, so a rewrite arriving meanwhile
  // stays for the next poll.
  if (!ReadSoundSettings(exp)) return;
  exp.settings.ExpWindowTop = exp.sd.ExpWindowTop;
  exp.settings.ExpWindowLeft = exp.sd.ExpWindowLeft;
  if (exp.engine.MoveWindow) exp.engine.MoveWindow(exp.sd.ExpWindowTop, exp.sd.ExpWindowLeft);
  PumpEvents(exp);
  BuildExpVolumeTable(exp);
  // The new volumes are those the next calls play at.
  exp.sound.CallVolumes = exp.sound.CallVolumeTable;
  PumpEvents(exp);
}

void UpdateTargetTrend(ExpContext& exp) {
  CallOutState& c = exp.callout;
  const double lat = exp.sd.ArrivalLatitudeRaw * kArrivalLatitudePerUnit;
  const double lon = exp.sd.ArrivalLongitudeRaw * kArrivalLongitudePerUnit;
  c.TargetDistanceM = simlink::GreatCircleDistance(lat, lon, exp.sim.LatitudeDeg, exp.sim.LongitudeDeg);
  c.TargetTrend = c.TargetDistanceM < c.PrevTargetDistanceM ? 1 : c.TargetDistanceM > c.PrevTargetDistanceM ? 2 : 0;
  c.PrevTargetDistanceM = c.TargetDistanceM;
}

std::int16_t HeadingSector(int h, int course) {
  const int r = course < 180 ? course + 180 : course - 180;
  bool reciprocal;
  if (r < 15) {
    reciprocal = h > r + 345 || h < r + 15;
  } else if (r > 345) {
    reciprocal = h > r - 15 || h < r - 345;
  } else {
    reciprocal = r - 15 <= h && h <= r + 15;
  }
  if (reciprocal) return 1;
  bool along;
  if (course < 90) {
    along = h > course + 270 || h < course + 90;
  } else if (course > 270) {
    along = h > course - 90 || h < course - 270;
  } else {
    along = course - 90 <= h && h <= course + 90;
  }
  return along ? 2 : 0;
}

std::int16_t HeadingSectorTest(const ExpContext& exp) {
  return HeadingSector(exp.sim.SectorHeadingDeg, LandingCourse(exp));
}

void RunFlightPhaseMachine(ExpContext& exp) {
  CallOutState& c = exp.callout;
  const std::int16_t sector = HeadingSectorTest(exp);
  if (LastCallPlaying(exp)) return;
  if (exp.sim.GroundSpeedKmh < 40) {
    c.FlightPhase = 0;
    c.GoAroundState = 0;
    ClearRearmRequests(c);
    ClearLatches(c);
    c.LocaliserCallArmed = c.GlideslopeCallArmed = 0;
    return;
  }
  for (const PhaseRow& row : kPhaseRows) {
    if (c.FlightPhase != row.from || !row.condition(exp, sector)) continue;
    c.FlightPhase = row.to;
    ApplyPhaseEffect(exp, row.effect);
    return;
  }
}

void RunGoAroundSequence(ExpContext& exp) {
  CallOutState& c = exp.callout;
  if (!CallAndWait(exp, 71)) return;
  if (!WaitSeconds(exp, 3.0f)) return;
  int flap = 45;
  switch (exp.sd.GoAroundFlap) {
    case 1: flap = 42; break;
    case 5: flap = 43; break;
    case 10: flap = 44; break;
    case 15: flap = 45; break;
    case 20: flap = 46; break;
    case 25: flap = 47; break;
    case 30: flap = 48; break;
    default: flap = 45; break;
  }
  if (!CallAndWait(exp, flap)) return;
  if (!WaitSeconds(exp, 6.0f)) return;
  if (!CallAndWait(exp, 72)) return;
  if (WaitSeconds(exp, 5.0f)) ClearLatches(c);
}

void DetectTouchdown(ExpContext& exp) {
  CallOutState& c = exp.callout;
  if (c.TouchdownLatched == 0 && exp.sim.OnGroundWord == 1) {
    c.TouchdownLatched = c.TakeoffRearmRequest = c.TakeoffCallsDone = c.LandedOnce = -1;
    const int n = exp.sd.TouchdownSoundSize == 0 ? 33 : 34;
    PlaySound(exp, n);
    // The tower views of presets 4 and 5 follow the landing place: one low beside the
    // aircraft, one behind it.
    if (auto view = ExpEyeView(exp)) {
      PlaceEyePoint(*view, 0, 100.0, 30.0, 80);
      exp.view.PresetEyePoints[4] = exp.view.eye.TowerEyePoint;
      PumpEvents(exp);
      PlaceEyePoint(*view, 5, 100.0, 180.0, 80);
      exp.view.PresetEyePoints[5] = exp.view.eye.TowerEyePoint;
      PumpEvents(exp);
    }
  } else if (exp.sim.HeightAglFt > 100) {
    c.TouchdownLatched = c.TakeoffRearmRequest = 0;
  }
}

void RunCallOutTick(ExpContext& exp) {
  state::ExpFrameState& f = exp.frame;
  simlink::ReadVolChannel(exp.sim.VolRecord, exp.sim.vol);
  ApplyMuteWord(exp);
  HandleViewCommand(exp);
  if (f.QuitRequested == 1) {
    EndFromTick(exp);
    return;
  }
  FollowExpSimulatorLink(exp);
  if (f.TickBusy == 1) return;
  f.TickBusy = 1;
  bool fault = false;
  {
    // Whatever happens inside, the next tick runs.
    ui::ScopeGuard done([&f] { f.TickBusy = 0; });
    // A runtime error of the tick (a file, a number) is reported once and the next tick runs.
    // Any other error is a fault of the program: one box names it (the tick held meanwhile)
    // and the program ends as on a close, its files and shared memories gone. The end of the
    // program unwinds on.
    try {
      TickBody(exp);
    } catch (const runtime::RuntimeError& e) {
      ReportTickError(exp, e.Text().c_str());
    } catch (const platform::ProgramEnding&) {
      throw;
    } catch (...) {
      fault = true;
      if (exp.boxes) {
        exp.boxes->Show(ui::ErrorMessage(std::current_exception()) + "\n\nVexlorEXP を終了します。", ui::Buttons::Ok,
                        ui::Icon::Critical);
      }
    }
  }
  if (fault) {
    EndFromTick(exp);
    return;
  }
  PumpEvents(exp);
  if (f.QuitRequested == 1) EndFromTick(exp);
}

}  // namespace vx::callout
