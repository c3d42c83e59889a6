// The call-out engine's checks, phase machine and effect loops on a program in virtual
// time, with every buffer a tone of a set length.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <vector>

#include "callout/callout_tick.h"
#include "callout/exp_link.h"
#include "callout/exp_sounds.h"
#include "datafiles/pushback_file.h"
#include "exp_fixture.h"
#include "runtime/runtime_error.h"
#include "support/sound_files.h"

namespace vx::test {
namespace {

using Op = platform::RecordingSoundDevice::Op;

struct Engine : ExpProgram {
  explicit Engine(double seconds = 1.0) {
    sound.Init();
    ToneSpec tone;
    tone.sampleRate = 8000;
    tone.seconds = seconds;
    const auto wav = MakeToneWav(tone);
    for (int i = 0; i < state::kCallSoundCount; ++i) {
      const auto& path = callout::CallSoundPaths()[static_cast<std::size_t>(i)];
      exp.sound.CallSoundBuffer[static_cast<std::size_t>(i)] = sound.CreateBuffer(wav, 0, path);
      exp.sound.CallVolumes[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(-100 - i);
    }
  }
  int IndexOf(std::int32_t buffer) const {
    for (int i = 0; i < state::kCallSoundCount; ++i)
      if (exp.sound.CallSoundBuffer[static_cast<std::size_t>(i)] == buffer) return i;
    return -1;
  }
  // Indices of the buffers played once, in order.
  std::vector<int> Played() const {
    std::vector<int> out;
    for (const auto& call : sound.CallsOf({Op::Play})) out.push_back(IndexOf(call.buffer));
    return out;
  }
  std::vector<int> Looped() const {
    std::vector<int> out;
    for (const auto& call : sound.CallsOf({Op::PlayLooping})) out.push_back(IndexOf(call.buffer));
    return out;
  }
  std::vector<int> Stopped() const {
    std::vector<int> out;
    for (const auto& call : sound.CallsOf({Op::Stop})) out.push_back(IndexOf(call.buffer));
    return out;
  }
  void After(double seconds) { clock.Advance(std::chrono::nanoseconds(static_cast<std::int64_t>(seconds * 1e9))); }
};

TEST(HeadingSectorTest, EdgesOfTheTwoSectors) {
  struct Case {
    int heading, course, sector;
  };
  for (const Case& c : std::vector<Case>{{255, 90, 1}, {285, 90, 1}, {254, 90, 0}, {286, 90, 0}, {0, 90, 2},
                                         {180, 90, 2}, {181, 90, 0}, {20, 10, 2}, {200, 10, 1}, {165, 160, 2},
                                         {340, 160, 1}, {355, 160, 1}, {356, 160, 0}, {5, 350, 2}, {170, 350, 1},
                                         {185, 0, 1}, {89, 360, 2}, {90, 360, 0}}) {
    EXPECT_EQ(callout::HeadingSector(c.heading, c.course), c.sector) << c.heading << " on " << c.course;
  }
}

TEST(FlightPhaseMachineTest, OneTransitionPerTickAlongTheTable) {
  Engine e;
  auto& s = e.exp.sim;
  auto& c = e.exp.callout;
  e.exp.sd.landingRunwayNumber = "09";
  s.GroundSpeedKmh = 300;
  s.VerticalSpeedFpm = 1500;
  s.IasKt = 150;
  s.HeightAboveArrivalFt = 2000;
  callout::RunFlightPhaseMachine(e.exp);
  EXPECT_EQ(c.FlightPhase, 1);
  callout::RunFlightPhaseMachine(e.exp);
  EXPECT_EQ(c.FlightPhase, 2);
  s.VerticalSpeedFpm = -1000;
  c.TargetDistanceM = 99999;
  callout::RunFlightPhaseMachine(e.exp);
  EXPECT_EQ(c.FlightPhase, 3);
  s.SectorHeadingDeg = 270;  // the reciprocal: not inbound
  c.TargetTrend = 1;
  callout::RunFlightPhaseMachine(e.exp);
  EXPECT_EQ(c.FlightPhase, 3);
  s.SectorHeadingDeg = 100;
  callout::RunFlightPhaseMachine(e.exp);
  EXPECT_EQ(c.FlightPhase, 4);
  s.HeightAboveArrivalFt = 5000;
  callout::RunFlightPhaseMachine(e.exp);
  EXPECT_EQ(c.FlightPhase, 4);
  s.HeightAboveArrivalFt = 4999;
  callout::RunFlightPhaseMachine(e.exp);
  EXPECT_EQ(c.FlightPhase, 5);
  // 40 km/h keeps the phase, 39 resets.
  s.GroundSpeedKmh = 40;
  callout::RunFlightPhaseMachine(e.exp);
  EXPECT_EQ(c.FlightPhase, 5);
  c.RearmSpeedCalls = 1;
  s.GroundSpeedKmh = 39;
  callout::RunFlightPhaseMachine(e.exp);
  EXPECT_EQ(c.FlightPhase, 0);
  EXPECT_EQ(c.RearmSpeedCalls, 0);
}

TEST(FlightPhaseMachineTest, TakeOffRollWithoutClimbStaysOnTheGround) {
  Engine e;
  e.exp.sim.GroundSpeedKmh = 250;
  e.exp.sim.IasKt = 140;
  e.exp.sim.VerticalSpeedFpm = 500;
  callout::RunFlightPhaseMachine(e.exp);
  EXPECT_EQ(e.exp.callout.FlightPhase, 0);
}

TEST(FlightPhaseMachineTest, GoAroundCallsDownwindAndBackInbound) {
  for (int flap : {0, 40, 20}) {
    Engine e;
    auto& s = e.exp.sim;
    auto& c = e.exp.callout;
    e.exp.sd.landingRunwayNumber = "09";
    e.exp.sd.GoAroundFlap = static_cast<std::int16_t>(flap);
    c.FlightPhase = 5;
    s.GroundSpeedKmh = 250;
    s.VerticalSpeedFpm = 1500;
    s.ThrottleLever = 14000;
    const auto start = e.clock.MonotonicNanos();
    callout::RunFlightPhaseMachine(e.exp);
    EXPECT_EQ(c.FlightPhase, 6);
    EXPECT_EQ(c.GoAroundState, 1);
    const int flapCall = flap == 20 ? 46 : 45;
    EXPECT_EQ(e.Played(), (std::vector<int>{71, flapCall, 72})) << flap;
    const auto plays = e.sound.CallsOf({Op::Play});
    // 71 (1 s), 3 s, flap call (1 s), 6 s, 72 (1 s), 5 s.
    EXPECT_NEAR((plays[1].atNanos - start) / 1e9, 4.0, 0.05);
    EXPECT_NEAR((plays[2].atNanos - start) / 1e9, 11.0, 0.05);
    EXPECT_NEAR((e.clock.MonotonicNanos() - start) / 1e9, 17.0, 0.05);
  }
  Engine e;
  auto& s = e.exp.sim;
  auto& c = e.exp.callout;
  e.exp.sd.landingRunwayNumber = "09";
  c.FlightPhase = 6;
  s.GroundSpeedKmh = 250;
  s.VerticalSpeedFpm = 50;
  callout::RunFlightPhaseMachine(e.exp);
  EXPECT_EQ(c.FlightPhase, 7);
  s.SectorHeadingDeg = 265;
  callout::RunFlightPhaseMachine(e.exp);
  EXPECT_EQ(c.FlightPhase, 8);
  EXPECT_EQ(c.GoAroundState, 0);
  EXPECT_EQ(c.RearmFlapCalls, 1);
  EXPECT_EQ(c.LocaliserCallArmed, 0);
  s.SectorHeadingDeg = 90;
  c.TargetTrend = 1;
  callout::RunFlightPhaseMachine(e.exp);
  EXPECT_EQ(c.FlightPhase, 5);
  EXPECT_EQ(c.LocaliserCallArmed, -1);
  EXPECT_EQ(c.GlideslopeCallArmed, -1);
}

TEST(TakeoffCallsTest, RollCallsInOrderAndAJumpSkipsTheLowerOnes) {
  Engine e;
  auto& s = e.exp.sim;
  e.exp.sd.CallV1 = 140;
  e.exp.sd.CallVR = 145;
  e.exp.sd.CallV2 = 150;
  e.exp.sd.AfterTakeoffHeights = {400, 1000, 3000};
  s.GroundSpeedKmh = 20;
  callout::CheckTakeoffSpeedCalls(e.exp);  // arms
  s.GroundSpeedKmh = 100;
  struct Step {
    int prev, now, call;
  };
  // 46 after 45 gives the low-speed call; equal speeds nothing; a jump from 70 to V1 - 9
  // gives V1 only.
  for (const Step& step : std::vector<Step>{{45, 46, 0}, {46, 46, -1}, {70, 131, 2}, {131, 132, -1}, {139, 141, 3},
                                            {144, 146, 4}}) {
    e.After(2);
    const auto before = e.Played().size();
    s.PrevIasKt = step.prev;
    s.IasKt = step.now;
    callout::CheckTakeoffSpeedCalls(e.exp);
    const auto played = e.Played();
    if (step.call < 0) {
      EXPECT_EQ(played.size(), before) << step.now;
    } else {
      ASSERT_EQ(played.size(), before + 1) << step.now;
      EXPECT_EQ(played.back(), step.call);
    }
  }
  EXPECT_EQ(e.exp.callout.V2CallPending, -1);
  // VNAV counts from the height at the end of the V2 call.
  e.After(2);
  s.HeightAglFt = 50;
  callout::CheckTakeoffSpeedCalls(e.exp);
  EXPECT_EQ(e.exp.callout.V2CallEndAgl, 50);
  e.exp.sd.VnavCallSwitch = 1;
  s.HeightAboveDepartureFt = 440;
  callout::CheckTakeoffSpeedCalls(e.exp);
  EXPECT_EQ(e.Played().back(), 4);
  s.HeightAboveDepartureFt = 451;
  callout::CheckTakeoffSpeedCalls(e.exp);
  EXPECT_EQ(e.Played().back(), 5);
}

// One read against the table of the roll and climb calls, every flag armed unless the
// case says otherwise: the call made and the flags left armed (bit n: flag n still -1;
// flags 0 low speed, 1 75 kt, 2 V1, 3 VR, 4 V2, 5 VNAV, 6 climb thrust, 7 autopilot).
TEST(TakeoffCallsTest, EachRowOfTheTable) {
  struct Case {
    const char* name;
    int height, prevIas, ias;
    int v2Flag;          // -1 armed, 0 said
    int climbSwitch, vnavSwitch;
    int call;            // -1: none
    unsigned leftArmed;  // bits
  };
  // V1 140, VR 145, V2 150; heights 400, 1000, 3000 above the departure airport.
  for (const Case& c : std::vector<Case>{
           {"autopilot", 3001, 200, 200, 0, 1, 1, 7, 0b01101111},
           {"autopilot at its height is not yet due", 3000, 200, 200, 0, 0, 0, -1, 0b11101111},
           {"climb thrust", 1001, 200, 200, 0, 1, 1, 6, 0b10101111},
           {"climb thrust switched off", 1001, 200, 200, 0, 0, 0, -1, 0b11101111},
           {"VNAV after V2", 401, 200, 200, 0, 1, 1, 5, 0b11001111},
           {"no VNAV before V2", 401, 200, 200, -1, 1, 1, -1, 0b11111111},
           {"V2", 0, 145, 146, -1, 1, 1, 4, 0b11100000},
           {"VR", 0, 140, 141, -1, 1, 1, 3, 0b11110000},
           {"V1", 0, 130, 131, -1, 1, 1, 2, 0b11111000},
           {"75 kt", 0, 75, 76, -1, 1, 1, 1, 0b11111100},
           {"low speed", 0, 45, 46, -1, 1, 1, 0, 0b11111110},
           {"not rising", 0, 146, 146, -1, 1, 1, -1, 0b11111111},
           {"above 5000 ft all are done", 5001, 200, 200, -1, 1, 1, -1, 0},
       }) {
    SCOPED_TRACE(c.name);
    Engine e;
    auto& s = e.exp.sim;
    auto& sd = e.exp.sd;
    sd.CallV1 = 140, sd.CallVR = 145, sd.CallV2 = 150;
    sd.AfterTakeoffHeights = {400, 1000, 3000};
    sd.ClimbThrustCallSwitch = static_cast<std::int16_t>(c.climbSwitch);
    sd.VnavCallSwitch = static_cast<std::int16_t>(c.vnavSwitch);
    e.exp.callout.TakeoffCallFlags.fill(-1);
    e.exp.callout.TakeoffCallFlags[4] = static_cast<std::int16_t>(c.v2Flag);
    s.GroundSpeedKmh = 200;
    s.HeightAboveDepartureFt = c.height;
    s.PrevIasKt = c.prevIas;
    s.IasKt = c.ias;
    callout::CheckTakeoffSpeedCalls(e.exp);
    EXPECT_EQ(e.Played(), c.call < 0 ? std::vector<int>{} : std::vector<int>{c.call});
    unsigned armed = 0;
    for (unsigned n = 0; n < 8; ++n)
      if (e.exp.callout.TakeoffCallFlags[n] == -1) armed |= 1u << n;
    EXPECT_EQ(armed, c.leftArmed);
  }
}

TEST(TakeoffCallsTest, FlapsUpThenChecklistOrNoneAfterAGoAround) {
  for (int goAround : {0, 1}) {
    Engine e;
    auto& s = e.exp.sim;
    auto& c = e.exp.callout;
    e.exp.sd.FlapUpSpeeds = {190, 210};
    s.GroundSpeedKmh = 10;
    callout::CheckAfterTakeoffCalls(e.exp);
    s.GroundSpeedKmh = 400;
    s.IasKt = 211;
    c.GoAroundState = static_cast<std::int16_t>(goAround);
    if (goAround) callout::CheckAfterTakeoffCalls(e.exp);  // rearms the climb calls
    callout::CheckAfterTakeoffCalls(e.exp);
    EXPECT_EQ(e.Played(), (goAround ? std::vector<int>{41} : std::vector<int>{41, 53}));
    EXPECT_EQ(c.GoAroundState, 0);
  }
}

TEST(LandingCallsTest, SeveralLimitsInOneTickGiveTheLowest) {
  Engine e;
  auto& s = e.exp.sim;
  e.exp.settings.AltitudeCallOn = -1;
  s.HeightAboveArrivalFt = 2000;
  callout::CheckLandingCalls(e.exp);
  s.PrevHeightAboveArrivalFt = 2000;
  s.HeightAboveArrivalFt = 1000;
  s.HeightAglFt = 400;  // gear up: counted above the ground
  callout::CheckLandingCalls(e.exp);
  EXPECT_EQ(e.Played(), (std::vector<int>{12}));
  s.GearLeverDown = 1;  // gear down: above the airport, already past 1000
  s.PrevHeightAboveArrivalFt = 1000;
  s.HeightAboveArrivalFt = 999;
  callout::CheckLandingCalls(e.exp);
  EXPECT_EQ(e.Played(), (std::vector<int>{12}));
}

// The height read-out's rows, each reached from above with every flag armed: the call
// for a height just below its limit and nothing just at it. Minimums 600 ft (called below
// 650), approaching minimums 700 ft; the heights count from the measured elevation E.
TEST(LandingCallsTest, EachReadOutRowJustBelowItsLimit) {
  struct Case {
    int elevation, limit, call;
  };
  for (const Case& c : std::vector<Case>{{0, 1050, 10}, {0, 700, 8},  {0, 650, 9},  {0, 550, 11}, {0, 430, 12},
                                         {0, 330, 13},  {0, 230, 14}, {0, 120, 15}, {0, 70, 16},  {0, 55, 17},
                                         {0, 45, 18},   {0, 35, 19},  {0, 25, 20},  {100, 1150, 10}, {100, 125, 20}}) {
    for (const int below : {1, 0}) {
      SCOPED_TRACE(std::to_string(c.limit) + (below ? " just below" : " at the limit"));
      Engine e;
      auto& s = e.exp.sim;
      e.exp.settings.AltitudeCallOn = -1;
      e.exp.sd.MinimumsHeight1 = 700;
      e.exp.sd.MinimumsHeight2 = 600;
      e.exp.sd.CallElevationFt = static_cast<std::int16_t>(c.elevation);
      s.GearLeverDown = 1;
      s.HeightAboveArrivalFt = 2000;
      callout::CheckLandingCalls(e.exp);  // arms
      s.PrevHeightAboveArrivalFt = c.limit + 1;
      s.HeightAboveArrivalFt = c.limit - below;
      callout::CheckLandingCalls(e.exp);
      const auto played = e.Played();
      if (below) {
        EXPECT_EQ(played, std::vector<int>{c.call});
      } else {
        EXPECT_TRUE(played.empty() || played.back() != c.call);
      }
    }
  }
}

TEST(LandingCallsTest, AltitudeCallsOffLeavesTheMinimumsCalls) {
  Engine e;
  auto& s = e.exp.sim;
  e.exp.sd.MinimumsHeight1 = 700;
  e.exp.sd.MinimumsHeight2 = 600;
  s.GearLeverDown = 1;
  s.HeightAboveArrivalFt = 2000;
  callout::CheckLandingCalls(e.exp);
  for (int h : {1040, 690, 640, 540}) {
    s.PrevHeightAboveArrivalFt = s.HeightAboveArrivalFt;
    s.HeightAboveArrivalFt = h;
    callout::CheckLandingCalls(e.exp);
  }
  EXPECT_EQ(e.Played(), (std::vector<int>{8, 9}));
}

TEST(TouchdownTest, OnePlayUntilHigherThan100FtAgain) {
  Engine e;
  auto& s = e.exp.sim;
  e.exp.sd.TouchdownSoundSize = 1;
  s.OnGroundWord = 1;
  callout::DetectTouchdown(e.exp);
  EXPECT_TRUE(e.Played().empty());  // never above 100 ft yet
  s.OnGroundWord = 0;
  s.HeightAglFt = 101;
  callout::DetectTouchdown(e.exp);
  s.OnGroundWord = 1;
  s.HeightAglFt = 0;
  callout::DetectTouchdown(e.exp);
  s.OnGroundWord = 0;
  s.HeightAglFt = 60;  // a bounce
  callout::DetectTouchdown(e.exp);
  s.OnGroundWord = 1;
  callout::DetectTouchdown(e.exp);
  EXPECT_EQ(e.Played(), (std::vector<int>{34}));
  EXPECT_EQ(e.exp.callout.LandedOnce, -1);
  EXPECT_EQ(e.exp.callout.LastSoundIndex, 0);
}

TEST(EffectLoopsTest, GearRetractedInItsStartSoundEndsStartAndTimer) {
  Engine e(2.0);
  auto& s = e.exp.sim;
  s.IasKt = 81;  // GearNoiseIas 0 counts as 80
  s.GearExtensionPct = 50;
  s.HeightAglFt = 500;
  callout::UpdateGearWindNoise(e.exp);
  EXPECT_EQ(e.Played(), (std::vector<int>{30, 29}));
  e.After(0.5);
  callout::UpdateGearWindNoise(e.exp);  // the loop waits for the start sound's end
  s.GearExtensionPct = 0;
  e.After(0.5);
  callout::UpdateGearWindNoise(e.exp);
  EXPECT_EQ(e.Played(), (std::vector<int>{30, 29, 32}));
  EXPECT_EQ(e.Stopped(), (std::vector<int>{29, 30}));
  e.After(3);
  callout::UpdateGearWindNoise(e.exp);
  EXPECT_TRUE(e.Looped().empty());
}

TEST(EffectLoopsTest, ReverseLoopAndItsCancelInTheStartSound) {
  Engine e(2.0);
  auto& s = e.exp.sim;
  s.ThrottleLever = -4000;
  callout::UpdateReverseNoise(e.exp, 0);
  e.After(2.5);
  callout::UpdateReverseNoise(e.exp, 0);
  EXPECT_EQ(e.Looped(), (std::vector<int>{37}));
  callout::UpdateReverseNoise(e.exp, -1);  // the 60-kt call, throttle still in reverse
  EXPECT_EQ(e.Played(), (std::vector<int>{36, 35, 38}));

  Engine cancel(2.0);
  cancel.exp.sim.ThrottleLever = -4000;
  callout::UpdateReverseNoise(cancel.exp, 0);
  cancel.exp.sim.ThrottleLever = 0;
  cancel.After(1);
  callout::UpdateReverseNoise(cancel.exp, 0);
  EXPECT_EQ(cancel.exp.callout.ReverseNoiseState, 1);
  cancel.After(1.5);
  callout::UpdateReverseNoise(cancel.exp, 0);
  EXPECT_EQ(cancel.exp.callout.ReverseNoiseState, 0);
  EXPECT_TRUE(cancel.Looped().empty());
}

// A sound device whose plays fail.
class FailingSound final : public platform::SoundDevice {
 public:
  bool Init() override { return true; }
  void Quit() override {}
  std::int32_t CreateBuffer(std::span<const std::uint8_t>, std::int32_t, std::string_view) override { return 1; }
  void Play(std::int32_t, int, int) override {
    ++plays;
    if (onPlay) onPlay();
    if (foreign) throw std::logic_error("not the tick's own error");
    throw runtime::RuntimeError(runtime::kDeviceIoError);
  }
  void PlayLooping(std::int32_t, int, int) override {}
  bool IsPlaying(std::int32_t) override { return false; }
  void Stop(std::int32_t) override {}
  void Free(std::int32_t) override {}
  void SetVolume(std::int32_t, int) override {}
  int plays = 0;
  bool foreign = false;
  std::function<void()> onPlay;
};

// The take-off roll as the first speed call falls due (the next tick plays it), on a sound
// device whose plays fail.
class FailingTickTest : public ::testing::Test {
 protected:
  FailingTickTest() {
    e.exp.svc.sound = &failing;
    e.exp.settings.SpeedCallOn = -1;
    e.exp.callout.TakeoffCallFlags.fill(-1);
    e.exp.sim.GroundSpeedKmh = 100;
    e.exp.sim.PrevIasKt = 45;
    e.exp.sim.IasKt = 46;
  }
  Engine e;
  FailingSound failing;
};

TEST_F(FailingTickTest, AnErrorInsideATickLeavesTheNextTickFree) {
  ::testing::internal::CaptureStderr();
  callout::RunCallOutTick(e.exp);
  EXPECT_EQ(failing.plays, 1);
  EXPECT_EQ(e.exp.frame.TickBusy, 0);
  EXPECT_TRUE(e.exp.callout.errorReported);
  e.exp.callout.TakeoffCallFlags.fill(-1);
  callout::RunCallOutTick(e.exp);
  const std::string reported = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(failing.plays, 2) << "the next tick ran its checks";
  EXPECT_EQ(e.exp.frame.TickBusy, 0);
  EXPECT_EQ(e.exp.frame.QuitRequested, 0);
  EXPECT_FALSE(e.pump.Ended()) << "the program goes on";
  std::size_t lines = 0;
  for (char c : reported) lines += c == '\n';
  EXPECT_EQ(lines, 1u) << "reported once: " << reported;
}

// An error that is not the tick's own (a fault of the program) is shown in one box that
// names it, and the program ends.
TEST_F(FailingTickTest, AnErrorThatIsNotTheTicksOwnIsShownOnceAndEndsTheProgram) {
  failing.foreign = true;
  e.boxes.Expect("VexlorEXP", ui::Answer::Ok, "not the tick's own error");
  EXPECT_THROW(callout::RunCallOutTick(e.exp), platform::ProgramEnding);
  EXPECT_EQ(failing.plays, 1);
  ASSERT_EQ(e.boxes.shown.size(), 1u);
  EXPECT_EQ(e.boxes.shown[0].icon, ui::Icon::Critical);
  EXPECT_TRUE(e.pump.Ended());
  EXPECT_FALSE(e.exp.callout.errorReported);
  EXPECT_EQ(e.exp.frame.TickBusy, 0);
}

// The program ended inside a tick (by a signal while a call plays, say): the end unwinds
// the tick and is not reported as its error.
TEST_F(FailingTickTest, TheEndOfTheProgramInsideATickIsNoErrorOfIt) {
  failing.onPlay = [this] { e.pump.EndProgram(0); };
  EXPECT_THROW(callout::RunCallOutTick(e.exp), platform::ProgramEnding);
  EXPECT_EQ(failing.plays, 1);
  EXPECT_FALSE(e.exp.callout.errorReported);
  EXPECT_EQ(e.exp.frame.TickBusy, 0);
  EXPECT_TRUE(e.boxes.shown.empty());
}

TEST(CallOutTickTest, APushRunsWithBothCallSwitchesOffButNotInSlewMode) {
  for (const std::int16_t slew : {0, 1}) {
    Engine e;
    e.exp.settings.SpeedCallOn = e.exp.settings.AltitudeCallOn = 0;
    e.exp.sim.SlewModeWord = slew;
    e.finder.windows["FS98MAIN"] = 77;
    ASSERT_TRUE(callout::ConnectSimulatorExp(e.exp));
    state::ExpPushbackValues pb;
    pb.pushbackOn = 1;
    pb.PushbackMode = 1;
    pb.PushbackDistance = 10;
    pb.PushbackSide = "右";
    pb.PushbackTurnMode = 1;
    pb.PushbackTurnAngle = 90;
    pb.PushbackCompassWord = "北";
    datafiles::WriteVexlorPbCfgFile(e.paths.Under("\\vexlorPB.cfg"), pb);
    e.exp.frame.PushbackFilePresent = -1;
    callout::RunCallOutTick(e.exp);
    EXPECT_EQ(std::filesystem::exists(e.base.Path() / "vexlorPB.cfg"), slew != 0) << slew;
    // The simulator's pushback stopped at the end of the push (the aircraft here never
    // turns: the turn ends at its deadline).
    EXPECT_EQ(e.area.GetSigned(0x31F4, 4), slew ? 0 : 3) << slew;
  }
}

}  // namespace
}  // namespace vx::test

namespace vx::test {
namespace {

// vexlorSD.cfg with all 49 values, the take-off calls' volume level and the window's place.
void WriteSoundSettings(ExpProgram& p, int takeoffLevel, int top, int left) {
  std::string text = ";\r\n";
  for (int i = 0; i < 49; ++i) {
    int v = i < 7 ? 5 : i + 1;
    if (i == 4) v = takeoffLevel;
    if (i == 11) v = top;
    if (i == 12) v = left;
    if (i == 45) v = 36;
    text += "=" + std::to_string(v) + "\r\n";
  }
  p.base.WriteBytes("vexlorSD.cfg", text);
}

TEST(CallOutTickTest, SwitchesOffOrSlewModeLeaveOnlyTheReads) {
  struct Case {
    std::int16_t speed, altitude, slew;
    bool checks;
  };
  for (const Case& k : std::vector<Case>{{0, 0, 0, false}, {-1, 0, 1, false}, {0, -1, 0, true}, {-1, -1, 0, true}}) {
    Engine e;
    e.exp.settings.SpeedCallOn = k.speed;
    e.exp.settings.AltitudeCallOn = k.altitude;
    e.exp.sim.SlewModeWord = k.slew;
    e.exp.callout.TouchdownLatched = 0;
    e.exp.sim.OnGroundWord = 1;
    e.exp.sim.GroundSpeedKmh = 10;
    e.exp.callout.FlightPhase = 3;
    callout::RunCallOutTick(e.exp);
    EXPECT_EQ(e.Played(), k.checks ? std::vector<int>{33} : std::vector<int>{}) << k.speed << k.altitude << k.slew;
    EXPECT_EQ(e.exp.callout.FlightPhase, k.checks ? 0 : 3);
    EXPECT_EQ(e.exp.frame.TickCount, 1) << "the read runs in every case";
  }
}

TEST(SoundSettingsPollTest, ARewriteInFlightMovesTheWindowAndTheNextCallHasItsVolume) {
  Engine e;
  std::vector<std::pair<int, int>> moves;
  e.exp.engine.MoveWindow = [&moves](std::int32_t top, std::int32_t left) { moves.emplace_back(top, left); };
  callout::PollSoundSettingsFile(e.exp);
  EXPECT_TRUE(moves.empty()) << "no file, nothing";

  WriteSoundSettings(e, 8, 1500, 300);
  callout::PollSoundSettingsFile(e.exp);
  EXPECT_FALSE(std::filesystem::exists(e.base.Path() / "vexlorSD.cfg"));
  callout::CallSound(e.exp, 2);
  WriteSoundSettings(e, 3, 2000, 600);
  callout::PollSoundSettingsFile(e.exp);
  callout::CallSound(e.exp, 2);

  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{1500, 300}, {2000, 600}}));
  const auto plays = e.sound.CallsOf({Op::Play});
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[0].volume, 8 * 300 - 3000);
  EXPECT_EQ(plays[1].volume, 3 * 300 - 3000);
}

TEST(ApproachCallsTest, LandingFlaps25GiveTheChallengeWithFlaps25) {
  Engine e;
  auto& s = e.exp.sim;
  e.exp.sd.ApproachFlapSpeeds = {220, 200, 180, 170, 160, 0};
  e.exp.callout.ApproachCallFlags = {0, 0, 0, 0, 0, -1, -1, 0, 0};
  s.IasKt = 155;
  const auto start = e.clock.MonotonicNanos();
  callout::CheckApproachFlapGearCalls(e.exp);
  EXPECT_EQ(e.Played(), (std::vector<int>{47, 51, 47, 52}));
  const auto plays = e.sound.CallsOf({Op::Play});
  EXPECT_NEAR((plays[1].atNanos - start) / 1e9, 2.0, 0.05);  // flaps 25 (1 s), 1 s, part 1
}

TEST(ApproachCallsTest, GearDownOnlyWithin20000m) {
  Engine e;
  auto& s = e.exp.sim;
  auto& c = e.exp.callout;
  e.exp.sd.ApproachFlapSpeeds = {220, 200, 180, 170, 160, 150};
  c.ApproachCallFlags = {0, 0, 0, 0, -1, -1, -1, -1, -1};
  s.IasKt = 165;
  c.TargetDistanceM = 20001;
  callout::CheckApproachFlapGearCalls(e.exp);
  e.After(2);
  c.TargetDistanceM = 20000;
  callout::CheckApproachFlapGearCalls(e.exp);
  EXPECT_EQ(e.Played(), (std::vector<int>{46, 49}));
}

// A call that comes while another plays waits for it (the read-outs and effects do not);
// a call of a sequence follows every call still playing or waiting.
TEST(CallOrderTest, ACallWaitsForTheOneThatPlaysAndASequenceForBoth) {
  Engine e;
  const auto start = e.clock.MonotonicNanos();
  callout::CallSound(e.exp, 62);
  callout::CallSound(e.exp, 63);
  callout::PlaySound(e.exp, 10);
  EXPECT_EQ(e.Played(), (std::vector<int>{62, 10}));
  EXPECT_TRUE(callout::LastCallPlaying(e.exp));
  e.After(0.9);
  callout::StartWaitingCall(e.exp);
  EXPECT_EQ(e.Played(), (std::vector<int>{62, 10}));
  e.After(0.1);
  callout::StartWaitingCall(e.exp);
  EXPECT_EQ(e.Played(), (std::vector<int>{62, 10, 63}));
  EXPECT_EQ(e.exp.callout.LastSoundIndex, 63);
  callout::CallSound(e.exp, 54);
  ASSERT_TRUE(callout::CallAndWait(e.exp, 51));
  EXPECT_EQ(e.Played(), (std::vector<int>{62, 10, 63, 54, 51}));
  const auto plays = e.sound.CallsOf({Op::Play});
  EXPECT_NEAR((plays[3].atNanos - start) / 1e9, 2.0, 0.05);
  EXPECT_NEAR((plays[4].atNanos - start) / 1e9, 3.0, 0.05);
  EXPECT_FALSE(callout::LastCallPlaying(e.exp));
}

TEST(ApproachCallsTest, NeedleBytesThatCountAsAlive) {
  struct Case {
    int localiser;
    bool alive;
  };
  for (const Case& k : std::vector<Case>{{0, false}, {1, true}, {99, true}, {100, false}, {155, false},
                                         {156, true}, {255, true}}) {
    Engine e;
    e.exp.callout.LocaliserCallArmed = -1;
    e.exp.callout.TargetTrend = 1;
    e.exp.sim.NavFlagsWord = 0x40;
    e.exp.sim.LocaliserByte = static_cast<std::uint8_t>(k.localiser);
    callout::CheckIlsAliveCalls(e.exp);
    EXPECT_EQ(e.Played(), k.alive ? std::vector<int>{62} : std::vector<int>{}) << k.localiser;
  }
}

}  // namespace
}  // namespace vx::test
