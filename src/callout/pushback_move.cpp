#include "callout/pushback_move.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

#include "callout/exp_display.h"
#include "callout/exp_files.h"
#include "callout/exp_link.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "platform/sim_focus.h"
#include "platform/sound_device.h"
#include "simlink/common_helpers.h"
#include "state/exp_context.h"

namespace vx::callout {
namespace {

constexpr int kTowCarStart = 23, kTowCarTimer = 24, kTowCarLoop = 25, kTowCarEnd = 26;
constexpr int kSilent = -3000;
// The simulator's pushback stops this far short of the distance: its own stop rolls on.
constexpr double kStraightAllowanceMetres = 30.0;

bool Quitting(const state::ExpContext& exp) { return exp.frame.QuitRequested == 1; }
bool FilePresent(const state::ExpContext& exp) { return exp.frame.PushbackFilePresent == -1; }

void Show(state::ExpContext& exp, ExpBox box, const std::string& text) {
  if (exp.display) exp.display->SetText(box, text);
}

void Play(state::ExpContext& exp, int index, int volume) {
  if (exp.svc.sound) exp.svc.sound->Play(exp.sound.CallSoundBuffer[index], volume, 0);
}

struct PushRun {
  double startLat = 0, startLon = 0;
  double pushedMax = 0;
};

// Reads the position and shows the distance pushed so far; the distance pushed now.
double ReadAndShow(state::ExpContext& exp, PushRun& run) {
  ReadHeadingAndPosition(exp);
  const auto& s = exp.sim;
  const double pushed = (s.LatitudeDeg != run.startLat || s.LongitudeDeg != run.startLon)
                            ? simlink::GreatCircleDistance(run.startLat, run.startLon, s.LatitudeDeg, s.LongitudeDeg)
                            : 0.0;
  if (pushed > run.pushedMax) run.pushedMax = pushed;
  Show(exp, ExpBox::Tbx3, std::to_string(std::lround(run.pushedMax)) + "m " + std::to_string(s.HeadingDeg) + "度");
  return pushed;
}

// The rounds of a push loop: `done` is asked each round after the quit and file tests;
// between rounds the fast read and an idle in the event pump, as every wait of the program.
void PushLoop(state::ExpContext& exp, const std::function<bool()>& done) {
  if (!exp.svc.clock || !exp.svc.pump) return;
  const simlink::WaitHooks hooks{*exp.svc.clock, *exp.svc.pump, [&exp] { return Quitting(exp); }, nullptr,
                                 [&exp] { ReadFlightStateFast(exp); }};
  simlink::WaitWhile(hooks, [&] { return FilePresent(exp) && !done(); });
}

// The stop rules of the turn: the target, or the heading outside the arc from the start
// to the target on the turn's side.
bool TurnEnded(const state::ExpContext& exp, int startHeading) {
  const int h = exp.sim.HeadingDeg, s = startHeading, t = exp.sim.PushbackTargetHeading;
  if (h == s) return false;  // only the deadline ends a turn still on its start heading
  if (h == t) return true;
  const bool left = exp.pushback.PushbackSide == "左";
  if (left) return s < t ? (s <= h && h <= t) : (h > s || h < t);
  return s < t ? (h < s || h > t) : (t <= h && h <= s);
}

}  // namespace

void RunPushbackMove(state::ExpContext& exp) {
  if (Quitting(exp)) return;
  if (exp.svc.simFocus && exp.sim.SimWindow != 0) exp.svc.simFocus->BringSimulatorToFront(exp.sim.SimWindow);
  PushRun run;
  ReadHeadingAndPosition(exp);
  run.startLat = exp.sim.LatitudeDeg;
  run.startLon = exp.sim.LongitudeDeg;
  const int startHeading = exp.sim.HeadingDeg;
  ReadPushbackSettings(exp);
  ComputePushbackTurnTarget(exp);
  const auto& pb = exp.pushback;
  Show(exp, ExpBox::Tbx1, "距離 " + std::to_string(pb.PushbackDistance) + "m " + pb.PushbackSide + "回転");
  Show(exp, ExpBox::Tbx2, "方角 " + std::to_string(exp.sim.PushbackTargetHeading));
  Show(exp, ExpBox::Tbx3, "0m " + std::to_string(exp.sim.HeadingDeg) + "度");

  // The tow car starts: its silent copy times the start sound, then the loop.
  Play(exp, kTowCarTimer, kSilent);
  Play(exp, kTowCarStart, exp.sound.CallVolumes[kTowCarStart]);
  bool loopStarted = false;
  if (exp.svc.clock && exp.svc.pump) {
    const simlink::WaitHooks hooks{*exp.svc.clock, *exp.svc.pump, [&exp] { return Quitting(exp); }, nullptr,
                                   [&exp] { ReadFlightStateFast(exp); }};
    const bool played = simlink::WaitWhile(hooks, [&] {
      return FilePresent(exp) && exp.svc.sound && exp.svc.sound->IsPlaying(exp.sound.CallSoundBuffer[kTowCarTimer]);
    });
    if (played && FilePresent(exp) && exp.svc.sound) {
      exp.svc.sound->PlayLooping(exp.sound.CallSoundBuffer[kTowCarLoop], exp.sound.CallVolumes[kTowCarLoop], 0);
      loopStarted = true;
    }
  }

  const auto turnLoop = [&](bool withDeadline) {
    // The deadline on the monotonic clock: midnight or a change of the system time
    // neither cuts nor lengthens it.
    const std::int64_t deadline =
        exp.svc.clock ? exp.svc.clock->MonotonicNanos() + static_cast<std::int64_t>(kPushbackTurnDeadlineSeconds * 1e9)
                      : 0;
    PushLoop(exp, [&] {
      ReadAndShow(exp, run);
      const bool pastDeadline = withDeadline && exp.svc.clock && exp.svc.clock->MonotonicNanos() > deadline;
      // Still on the start heading, only the deadline ends the turn. A target equal to the
      // start heading is never reached by turning: the deadline ends that turn wherever
      // the aircraft points (a slew turn, which has none, runs until the file goes).
      if (exp.sim.HeadingDeg == startHeading || exp.sim.PushbackTargetHeading == startHeading) return pastDeadline;
      return TurnEnded(exp, startHeading);
    });
  };

  if (pb.PushbackMode == 1) {
    if (pb.PushbackDistance > kStraightAllowanceMetres) {
      StartSimPushbackStraight(exp);
      const double until = pb.PushbackDistance - kStraightAllowanceMetres;
      PushLoop(exp, [&] { return ReadAndShow(exp, run) >= until; });
      StopSimPushback(exp);
      WaitSeconds(exp, 0.3f);
    }
    if (!Quitting(exp) && FilePresent(exp)) {
      StartSimPushbackTurn(exp);
      turnLoop(true);
    }
    StopSimPushback(exp);
  } else {
    StartSlewPush(exp);
    const double until = pb.PushbackDistance;
    PushLoop(exp, [&] { return ReadAndShow(exp, run) >= until; });
    if (!Quitting(exp) && FilePresent(exp)) {
      SetSlewPushTurnRate(exp);
      turnLoop(false);
    }
    StopSlewPush(exp);
  }

  exp.frame.PushbackFilePresent = 0;
  if (exp.svc.paths) exp.svc.paths->DeleteIfExists("\\vexlorPB.cfg");
  Play(exp, kTowCarEnd, exp.sound.CallVolumes[kTowCarEnd]);
  if (exp.svc.sound) exp.svc.sound->Stop(exp.sound.CallSoundBuffer[kTowCarLoop]);
  (void)loopStarted;
  if (exp.svc.pump) exp.svc.pump->Pump();
  // The program was told to end during the push: it ends now that the push is over.
  if (Quitting(exp) && exp.engine.UnloadWindow) exp.engine.UnloadWindow();
}

}  // namespace vx::callout
