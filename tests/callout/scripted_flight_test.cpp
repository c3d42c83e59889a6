// Scripted flights through the call-out tick: the stand-in's simulator flies a script on
// the virtual clock, the tick runs every 307 ms, and the calls are read off the sound log.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "callout/callout_tick.h"
#include "callout/exp_link.h"
#include "callout/exp_sounds.h"
#include "platform/paths.h"
#include "platform/recording_sound_device.h"
#include "platform/virtual_time.h"
#include "runtime/cp932.h"
#include "state/exp_context.h"
#include "support/sound_files.h"
#include "support/standin_in_process.h"
#include "support/temp_dir.h"

namespace vx::test {
namespace {

using Op = platform::RecordingSoundDevice::Op;
namespace fs = std::filesystem;

std::string SourceFile(const std::string& relative) {
  const char* source = std::getenv("VX_SOURCE_DIR");
  std::ifstream in(fs::path(source ? source : ".") / relative, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The effect loops' buffers (gear, touchdown and reverse noise, special engine sound).
bool IsEffect(int n) { return (n >= 27 && n <= 38 && n != 33 && n != 34) || (n >= 64 && n <= 70); }

struct Flight {
  TempDir base;
  platform::VirtualClock clock{{2026, 12, 10, 9, 30, 0, 0}};
  platform::TimerScheduler timers{clock};
  platform::VirtualEventPump pump{clock, timers};
  platform::Paths paths{base.Path()};
  InProcessStandin standin{clock};
  platform::RecordingSoundDevice sound{clock};
  state::ExpContext exp;
  std::vector<std::pair<double, std::string>> simLog;
  std::vector<int> phases{0};
  std::int64_t startNanos = clock.MonotonicNanos();

  explicit Flight(const std::string& script) {
    exp.svc.clock = &clock;
    exp.svc.pump = &pump;
    exp.svc.timers = &timers;
    exp.svc.paths = &paths;
    exp.svc.sim = &standin.client;
    exp.svc.simWindows = &standin.windows;
    exp.svc.keys = &standin.keys;
    exp.svc.sound = &sound;
    exp.frame.BaseFolder = base.Str();
    exp.settings.SpeedCallOn = exp.settings.AltitudeCallOn = -1;
    auto& sd = exp.sd;
    sd.CallV1 = 140, sd.CallVR = 145, sd.CallV2 = 150;
    sd.AfterTakeoffHeights = {400, 1000, 3000};
    sd.FlapUpSpeeds = {190, 210};
    sd.TakeoffFlap = 5;
    sd.VnavCallSwitch = sd.ClimbThrustCallSwitch = 1;
    sd.ApproachCheckHeight = 6000;
    sd.SpeedReductionHeights = {10000, 9000, 8000, 7000, 6500, 6200};
    sd.ApproachFlapSpeeds = {220, 200, 180, 170, 160, 150};
    sd.FlapCallVariant = 15;
    sd.MinimumsHeight1 = 300;
    sd.MinimumsHeight2 = 200;
    sd.GoAroundFlap = 15;
    sd.TouchdownSoundSize = 1;
    sd.landingRunwayNumber = "36";
    sd.ArrivalLatitudeRaw = static_cast<std::int32_t>(33.0 / 8.9984275577e-6);
    sd.ArrivalLongitudeRaw = static_cast<std::int32_t>(130.45 / 8.381903171539e-8);

    sound.Init();
    ToneSpec tone;
    tone.sampleRate = 8000;
    const auto wav = MakeToneWav(tone);
    for (int i = 0; i < state::kCallSoundCount; ++i) {
      exp.sound.CallSoundBuffer[static_cast<std::size_t>(i)] =
          sound.CreateBuffer(wav, 0, callout::CallSoundPaths()[static_cast<std::size_t>(i)]);
    }
    standin.simulator.SetLogSink([this](const std::string& line) { simLog.emplace_back(Seconds(), line); });
    std::string message;
    EXPECT_TRUE(standin.simulator.LoadScript("flight", SourceFile(script), message)) << message;
    EXPECT_TRUE(callout::ConnectSimulatorExp(exp));
    exp.frame.SimConnected = -1;
    callout::InstallCallOutEngine(exp);
    callout::InitCallOutWindow(exp);
  }
  double Seconds() const { return static_cast<double>(clock.MonotonicNanos() - startNanos) / 1e9; }
  void FlyUntil(double seconds) {
    while (Seconds() < seconds) {
      callout::RunCallOutTick(exp);
      if (exp.callout.FlightPhase != phases.back()) phases.push_back(exp.callout.FlightPhase);
      clock.Advance(std::chrono::milliseconds(307));
    }
  }
  int IndexOf(std::int32_t buffer) const {
    for (int i = 0; i < state::kCallSoundCount; ++i)
      if (exp.sound.CallSoundBuffer[static_cast<std::size_t>(i)] == buffer) return i;
    return -1;
  }
  struct Play {
    double at;
    int n;
  };
  std::vector<Play> Plays(bool effects) const {
    std::vector<Play> out;
    for (const auto& c : sound.CallsOf({Op::Play})) {
      const int n = IndexOf(c.buffer);
      if (IsEffect(n) == effects) out.push_back({static_cast<double>(c.atNanos - startNanos) / 1e9, n});
    }
    return out;
  }
  std::vector<int> Calls() const {
    std::vector<int> out;
    for (const Play& p : Plays(false)) out.push_back(p.n);
    return out;
  }
  double FirstAt(int n, double after = 0) const {
    for (const Play& p : Plays(false))
      if (p.n == n && p.at >= after) return p.at;
    return -1;
  }
  // Times of the writes of `value` to the state flag.
  std::vector<double> StateFlagWrites(int value) const {
    std::vector<double> out;
    const std::string want = "\"offset\":\"0x2F80\",\"size\":1,\"value\":" + std::to_string(value);
    for (const auto& [at, line] : simLog)
      if (line.find(want) != std::string::npos) out.push_back(at);
    return out;
  }
};

TEST(ScriptedFlightTest, WholeFlightFromTaxiOutToTaxiIn) {
  Flight f("tests/callout/flights/whole-flight.txt");
  f.FlyUntil(1100);

  EXPECT_EQ(f.Calls(), (std::vector<int>{0,  1,  2,  3,  4,  5,  6,  7,  42, 41, 53, 74, 73, 56, 57, 58, 59,
                                         60, 61, 54, 62, 63, 42, 43, 45, 46, 49, 50, 47, 48, 51, 48, 52, 10,
                                         11, 12, 13, 8,  9,  14, 15, 16, 17, 18, 19, 20, 34, 21, 22, 41}));
  EXPECT_EQ(f.phases, (std::vector<int>{0, 1, 2, 3, 4, 5, 0}));

  // The roll's calls at their speeds: 46 kt, 76 kt, V1 - 10, VR - 5, V2 - 5 on 4 kt a second.
  EXPECT_NEAR(f.FirstAt(0), 73.5, 0.7);
  EXPECT_NEAR(f.FirstAt(2), 94.5, 0.7);
  EXPECT_NEAR(f.FirstAt(3), 97.0, 1.4);
  // Flaps up, 4 s, the after-take-off checklist.
  EXPECT_NEAR(f.FirstAt(53) - f.FirstAt(41), 4.0, 0.05);
  // The landing-flap challenge: flaps 30, 1 s, part 1, flaps 30, part 2.
  const double flap30 = f.FirstAt(48, 800);
  EXPECT_NEAR(f.FirstAt(51) - flap30, 2.0, 0.1);
  EXPECT_NEAR(f.FirstAt(52) - flap30, 4.0, 0.1);

  // VNAV and the end of the roll-out write the state flag; the landed signal follows the
  // 60-kt call's end by 10 s and the flaps-up call after landing 10 s later.
  const auto flagWrites = f.StateFlagWrites(1);
  ASSERT_EQ(flagWrites.size(), 2u);
  EXPECT_NEAR(flagWrites[0], f.FirstAt(5), 0.01);
  const double rolloutEnd = f.FirstAt(22) + 1.0;
  EXPECT_NEAR(flagWrites[1], rolloutEnd, 0.4);
  EXPECT_NEAR(f.FirstAt(41, 900) - flagWrites[1], 20.0, 0.1);
  ASSERT_TRUE(fs::exists(f.base.Path() / "vexlorLND.cfg"));
  std::string golden;
  for (char c : SourceFile("tests/datafiles/golden/vexlorLND.cfg")) {
    if (c == '\n') golden += '\r';
    golden += c;
  }
  EXPECT_EQ(f.base.ReadBytes("vexlorLND.cfg"), runtime::Utf8ToCp932(golden));

  // Gear noise in the roll (low variant) and on the approach (high variant); the reverse
  // noise from its start through its loop to the end at the 60-kt call, after the gear
  // noise ended below 80 kt.
  std::vector<int> effects;
  for (const auto& p : f.Plays(true)) effects.push_back(p.n);
  EXPECT_EQ(effects, (std::vector<int>{28, 27, 32, 30, 29, 36, 35, 32, 38}));
  std::vector<int> loops;
  for (const auto& c : f.sound.CallsOf({Op::PlayLooping})) loops.push_back(f.IndexOf(c.buffer));
  EXPECT_EQ(loops, (std::vector<int>{31, 31, 37}));
}

}  // namespace
}  // namespace vx::test

namespace vx::test {
namespace {

std::size_t Count(const std::vector<int>& v, int n) { return static_cast<std::size_t>(std::count(v.begin(), v.end(), n)); }

TEST(ScriptedFlightTest, SpecialEngineSoundFromTakeOffToTouchdown) {
  Flight f("tests/callout/flights/whole-flight.txt");
  f.exp.sd.SpecialEngineSoundSwitch = 1;
  f.FlyUntil(1100);
  std::vector<int> special;
  double takeoff = -1, wind = -1;
  for (const auto& p : f.Plays(true)) {
    if (p.n < 64) continue;
    special.push_back(p.n);
    if (p.n == 64) takeoff = p.at;
  }
  EXPECT_EQ(special, (std::vector<int>{64, 68, 67, 70}));
  std::vector<int> loops;
  for (const auto& c : f.sound.CallsOf({Op::PlayLooping})) {
    const int n = f.IndexOf(c.buffer);
    if (n < 64) continue;
    loops.push_back(n);
    if (n == 66) wind = static_cast<double>(c.atNanos - f.startNanos) / 1e9;
  }
  EXPECT_EQ(loops, (std::vector<int>{66, 69}));
  // The take-off part lasts 76 s on the monotonic clock.
  EXPECT_NEAR(wind - takeoff, 76.0, 0.4);
  EXPECT_EQ(f.Calls().back(), 41);
}

TEST(ScriptedFlightTest, RejectedTakeOffRearmsTheRollCalls) {
  Flight f("tests/callout/flights/rejected-takeoff.txt");
  f.FlyUntil(170);
  EXPECT_EQ(f.Calls(), (std::vector<int>{0, 1, 2, 0, 1, 2}));
  EXPECT_GT(f.FirstAt(0, 60), 100.0);
}

TEST(ScriptedFlightTest, GoAroundDownwindAndSecondApproach) {
  Flight f("tests/callout/flights/go-around.txt");
  f.FlyUntil(640);
  EXPECT_EQ(f.phases, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 5}));
  const double goAround = f.FirstAt(71);
  ASSERT_GT(goAround, 300);
  EXPECT_NEAR(f.FirstAt(45, goAround) - goAround, 4.0, 0.05);
  EXPECT_NEAR(f.FirstAt(72) - goAround, 11.0, 0.05);
  // The climb-out's flaps-up call comes without the after-take-off checklist.
  EXPECT_GT(f.FirstAt(41), goAround);
  EXPECT_LT(f.FirstAt(53), 0);
  // Flap, gear and height calls again on the second approach.
  std::vector<int> second;
  for (const auto& p : f.Plays(false))
    if (p.at > 440) second.push_back(p.n);
  for (int n : {42, 43, 45, 49, 50, 47, 48, 51, 52, 10, 11, 15, 20}) EXPECT_EQ(Count(second, n) >= 1, true) << n;
}

// The crew's calls, not the height read-outs (which may overlap a call), the touchdown
// sound or the flaps-up play after the landing.
bool IsCrewCall(int n) { return !IsEffect(n) && !(n >= 8 && n <= 22) && n != 33 && n != 34; }

// On the first approach the localiser and the glideslope call each come as their needle
// comes alive. Back on the approach after the go-around both needles are alive when the
// calls are armed again: the glideslope call follows the localiser call (1 s) on the
// first tick after its end, and no call of the flight starts while another plays.
TEST(ScriptedFlightTest, TwoCallsDueInOneTickFollowEachOther) {
  Flight f("tests/callout/flights/go-around.txt");
  f.FlyUntil(640);
  EXPECT_NEAR(f.FirstAt(62), 200.0, 0.7);
  EXPECT_NEAR(f.FirstAt(63), 205.0, 0.7);
  const double goAround = f.FirstAt(71);
  ASSERT_GT(goAround, 300);
  const double localiser = f.FirstAt(62, goAround);
  const double glideslope = f.FirstAt(63, goAround);
  ASSERT_GT(localiser, 0);
  EXPECT_GE(glideslope - localiser, 1.0);
  EXPECT_LT(glideslope - localiser, 1.0 + 0.307);
  double previousEnd = 0;
  for (const auto& p : f.Plays(false)) {
    if (!IsCrewCall(p.n)) continue;
    EXPECT_GE(p.at, previousEnd - 1e-6) << "call " << p.n << " at " << p.at;
    previousEnd = p.at + 1.0;
  }
}

TEST(ScriptedFlightTest, TouchAndGoGivesOneTouchdownAndNoTakeOffCalls) {
  Flight f("tests/callout/flights/touch-and-go.txt");
  f.exp.callout.TakeoffCallFlags.fill(-1);  // armed, as after a taxi out
  f.FlyUntil(210);
  EXPECT_EQ(Count(f.Calls(), 34), 1u);
  std::vector<int> climbOut;
  for (const auto& p : f.Plays(false))
    if (p.at > 121) climbOut.push_back(p.n);
  for (int n = 0; n <= 7; ++n) EXPECT_EQ(Count(climbOut, n), 0u) << n;
  EXPECT_EQ(f.exp.callout.LandedOnce, -1);
}

}  // namespace
}  // namespace vx::test
