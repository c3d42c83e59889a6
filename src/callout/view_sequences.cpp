#include "callout/view_sequences.h"

#include <cstdint>
#include <optional>
#include <string>

#include "callout/exp_files.h"
#include "callout/exp_link.h"
#include "callout/exp_view.h"
#include "callout/eye_view.h"
#include "datafiles/departure_board.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "platform/sim_focus.h"
#include "platform/sound_device.h"
#include "state/exp_context.h"

namespace vx::callout {
namespace {

constexpr int kApuLoop = 40;
constexpr std::size_t kCodeItem = 4;  // the view table's code column

bool Quitting(const state::ExpContext& exp) { return exp.frame.QuitRequested == 1; }

std::int64_t Now(const state::ExpContext& exp) { return exp.svc.clock ? exp.svc.clock->MonotonicNanos() : 0; }
std::int64_t Nanos(double seconds) { return static_cast<std::int64_t>(seconds * 1e9); }

const std::string& PresetCode(const state::ExpContext& exp, std::size_t row) {
  return exp.settings.ViewPresets[row][kCodeItem];
}

void Apply(state::ExpContext& exp, EyeView& view, int preset, std::int16_t code) {
  exp.view.eye.CurrentViewPreset = static_cast<std::int16_t>(preset);
  std::int16_t mode = 1;
  ApplyViewPreset(view, preset, mode, code);
}

void ShowBoard(state::ExpContext& exp) {
  const auto& s = exp.svc;
  if (!s.paths || !s.clock || !s.pump || !s.random || !s.processes) return;
  const auto& in = exp.inspection;
  datafiles::BoardFlight flight;
  flight.kind = "出発";
  flight.gate = in.gate;
  flight.airlineSlot = in.airlineSlot;
  flight.flightNumber = in.flightNumber;
  flight.hour = in.hour;
  flight.minute = in.minute;
  flight.airportSlots = {in.departureSlot, in.arrivalSlot};
  flight.destinationName = in.arrivalBoardName;
  flight.originName = in.departureBoardName;
  if (s.processes) datafiles::CloseDepartureBoardNow(*s.processes, exp.view.BoardTaskId);
  const datafiles::BoardServices services{*s.paths, *s.clock, *s.pump, *s.random, *s.processes};
  exp.view.BoardTaskId = datafiles::ShowDepartureBoard(services, flight, exp.airports).pid;
}

// The APU's loop for a door: volume from 0..10, pan by position; "無" none. A position
// that is none of the four plays centred.
void StartApu(state::ExpContext& exp, std::size_t door) {
  const auto& apu = exp.settings.ApuSoundSettings;
  const std::string& where = apu.positions[door];
  if (where == "無" || !exp.svc.sound) return;
  int level = 0;
  try {
    level = std::stoi(apu.volumes[door]);
  } catch (const std::exception&) {
    level = 0;
  }
  const int pan = where == "右" ? 10000 : where == "左" ? -10000 : 0;
  exp.svc.sound->PlayLooping(exp.sound.CallSoundBuffer[kApuLoop], level * 300 - 3000, pan);
}

void StopApu(state::ExpContext& exp) {
  if (exp.svc.sound) exp.svc.sound->Stop(exp.sound.CallSoundBuffer[kApuLoop]);
}

}  // namespace

RotationTimes RotationTimesFor(std::string_view option) {
  int n = 1;
  if (option.size() == 1 && option[0] >= '1' && option[0] <= '9') n = option[0] - '0';
  return {n <= 3 ? 10.0 : n <= 6 ? 20.0 : 30.0, (n - 1) % 3 == 0 ? 30.0 : (n - 1) % 3 == 1 ? 45.0 : 60.0};
}

void RunInspectionViewSequence(state::ExpContext& exp) {
  auto& f = exp.frame;
  if (f.EyeCheckArmed != 1) return;
  f.EyeCheckArmed = 2;
  ReadInspectionSettings(exp);
  if (exp.svc.pump) exp.svc.pump->Pump();
  auto view = ExpEyeView(exp);
  if (!view) return;
  Apply(exp, *view, 1, 1);
  if (exp.inspection.InspectionDoorSwitch == "ON") {
    if (!WaitSeconds(exp, 1)) return;
    PressNamedKeys(*view, PresetCode(exp, 2));
    if (!WaitSeconds(exp, 1)) return;
    PressNamedKeys(*view, PresetCode(exp, 1));
    if (!WaitSeconds(exp, 1)) return;
  }
  if (exp.inspection.InspectionBoardFlag == 1) ShowBoard(exp);
  const bool waited = WaitSeconds(exp, 35);
  // The board is closed by its process id, also when the program is ending.
  if (exp.svc.processes) {
    if (waited) {
      datafiles::CloseDepartureBoard(
          *exp.svc.processes, [&exp](float s) { WaitSeconds(exp, s); }, exp.view.BoardTaskId);
    } else {
      datafiles::CloseDepartureBoardNow(*exp.svc.processes, exp.view.BoardTaskId);
    }
  }
  if (!waited) return;
  exp.svc.simFocus->BringSimulatorToFront(exp.sim.SimWindow);
  WaitSeconds(exp, 1);
  Apply(exp, *view, 0, 0);
  while (!Quitting(exp) && f.EyeCheckPresent != 0) {
    PressWalkaroundChord(*view);
    if (!WaitSeconds(exp, 0.2f)) break;
  }
  Apply(exp, *view, 3, 1);
  WaitSeconds(exp, 10);
  ReturnToCockpitView(*view);
}

void RunExternalViewCycle(state::ExpContext& exp) {
  auto& f = exp.frame;
  if (f.EyeViewArmed != 1) return;
  f.EyeViewArmed = 2;
  auto view = ExpEyeView(exp);
  if (!view) return;
  const RotationTimes times = RotationTimesFor(PresetCode(exp, 3));
  Apply(exp, *view, 3, 0);
  if (!WaitSeconds(exp, 5)) return;
  const auto present = [&] { return f.EyeViewPresent != 0; };
  // The ends run on the monotonic clock: midnight and a change of the system time
  // neither cut nor lengthen a rotation or a pause.
  while (!Quitting(exp) && present()) {
    ReadFlightStateFull(exp);
    std::int64_t end = Now(exp) + Nanos(times.rotateSeconds);
    while (Now(exp) <= end && !Quitting(exp) && present()) {
      PressWalkaroundChord(*view);
      if (!WaitSeconds(exp, 0.2f)) break;
    }
    ReadFlightStateFull(exp);
    if (Quitting(exp) || !present()) break;
    end = Now(exp) + Nanos(times.pauseSeconds);
    while (Now(exp) <= end) {
      if (Quitting(exp)) {
        ReturnToCockpitView(*view);
        return;
      }
      if (!present()) break;
      WaitSeconds(exp, 1);
    }
  }
  ReturnToCockpitView(*view);
}

void RunDoorViewSequence(state::ExpContext& exp) {
  auto view = ExpEyeView(exp);
  if (!view) return;
  Apply(exp, *view, 1, 1);
  StartApu(exp, 0);
  const auto steps = [&] {
    if (exp.sim.ShowArrivalHeight == 0 && exp.sd.AesDeparture == 1) {
      PressDoorViewKeys(*view);
      if (!WaitSeconds(exp, 20)) return false;
    }
    if (!WaitSeconds(exp, 3)) return false;
    PressNamedKeys(*view, PresetCode(exp, 1));
    return WaitSeconds(exp, 12);
  };
  const bool done = steps();
  StopApu(exp);
  if (!done) return;
  if (exp.sim.ShowArrivalHeight == 1) ReturnToCockpitView(*view);
  exp.sim.ShowArrivalHeight = 0;
  if (exp.svc.paths) exp.svc.paths->DeleteIfExists("\\EyeDoor.cfg");
  exp.frame.EyeDoorPresent = 0;
}

void RunCargoViewSequence(state::ExpContext& exp) {
  auto view = ExpEyeView(exp);
  if (!view) return;
  Apply(exp, *view, 2, 1);
  StartApu(exp, 1);
  bool done = WaitSeconds(exp, 3);
  if (done) {
    PressNamedKeys(*view, PresetCode(exp, 2));
    done = WaitSeconds(exp, 12);
  }
  StopApu(exp);
  if (!done) return;
  ReturnToCockpitView(*view);
  if (exp.svc.paths) exp.svc.paths->DeleteIfExists("\\EyeCargo.cfg");
  exp.frame.EyeCargoPresent = 0;
}

}  // namespace vx::callout
