#include "callout/exp_link.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "callout/exp_fixture.h"
#include "callout/eye_view.h"
#include "simlink/channels.h"

namespace vx::callout {
namespace {

using test::ExpProgram;

class ExpLinkTest : public ::testing::Test, public ExpProgram {
 protected:
  void Connect() {
    finder.windows["FS98MAIN"] = 77;
    ASSERT_TRUE(ConnectSimulatorExp(exp));
  }
  std::vector<std::int32_t> Offsets(const std::vector<platform::SimBatchEntry>& batch) const {
    std::vector<std::int32_t> out;
    for (const auto& e : batch) out.push_back(e.offset);
    return out;
  }
};

TEST_F(ExpLinkTest, Fs98FillsTheTableFs6LeavesItEmptyNoneGivesFalse) {
  EXPECT_FALSE(ConnectSimulatorExp(exp));
  EXPECT_EQ(finder.lookups, (std::vector<std::string>{"FS6MAIN", "FS98MAIN"}));
  finder.windows["FS98MAIN"] = 77;
  finder.windows["FS6MAIN"] = 66;
  ASSERT_TRUE(ConnectSimulatorExp(exp));
  EXPECT_EQ(exp.sim.SimWindow, 66);
  EXPECT_EQ(exp.sim.SimKind, "FS6");
  EXPECT_EQ(exp.sim.ExpVarTable, state::ExpVarPairs{});
  EXPECT_EQ(exp.view.eye.EyeVarTable, state::EyeVarPairs{}) << "nor the view layer's";
  finder.windows.erase("FS6MAIN");
  ASSERT_TRUE(ConnectSimulatorExp(exp));
  EXPECT_EQ(exp.sim.SimKind, "FS98");
  EXPECT_EQ(exp.sim.ExpVarTable, state::kFs98ExpVarTable);
  EXPECT_EQ(exp.view.eye.EyeVarTable, kFs98EyeVarTable);
  for (const auto& pair : kFs98EyeVarTable) EXPECT_NE(pair.size, 0) << "every view variable has its pair";
  for (const auto& pair : state::kFs98ExpVarTable) EXPECT_NE(pair.size, 0) << "every variable has its pair";
  EXPECT_EQ(client.startedWindows, (std::vector<std::int64_t>{66, 77}));
}

TEST_F(ExpLinkTest, ARefusedStartShowsTheMessageStopsAndEnds) {
  finder.windows["FS98MAIN"] = 77;
  client.refuseStart = true;
  boxes.Expect("VexlorEXP", ui::Answer::Ok, "Morplin ERROR  (CODE : 001)");
  EXPECT_THROW(ConnectSimulatorExp(exp), platform::ProgramEnding);
  EXPECT_EQ(client.stops, 1);
  EXPECT_EQ(boxes.shown.at(0).icon, ui::Icon::Critical);
}

TEST_F(ExpLinkTest, FastReadAsksItsVariablesInOneBatchInOrder) {
  Connect();
  ReadFlightStateFast(exp);
  ASSERT_EQ(client.sentBatches.size(), 1u);
  EXPECT_EQ(Offsets(client.sentBatches[0]),
            (std::vector<std::int32_t>{0x0238, 0x0239, 0x023A, 0x023B, 0x023C, 0x0246, 0x0BD0, 0x0574,
                                       0x0570, 0x0B4C, 0x0842, 0x11C6, 0x02B4, 0x02B8, 0x02BC, 0x0BE8,
                                       0x0BEC, 0x0BF0, 0x0BF4, 0x0366, 0x080C, 0x088C, 0x0898, 0x05DC,
                                       0x0C48, 0x0C49, 0x3300, 0x0560, 0x0564, 0x0568, 0x056C, 0x0580,
                                       0x02A0}));
  ReadFlightStateFull(exp);
  EXPECT_EQ(Offsets(client.sentBatches[1]),
            (std::vector<std::int32_t>{0x0BD0, 0x0574, 0x0570, 0x0B4C, 0x05DC, 0x02B4, 0x02B8, 0x02BC,
                                       0x0BE8, 0x0BEC, 0x0BF0, 0x0BF4, 0x0366, 0x088C, 0x080C, 0x0898,
                                       0x11D0, 0x0E90, 0x0E92, 0x0EC0, 0x0EF0, 0x0EF2, 0x04CB, 0x04CC}));
  ReadHeadingAndPosition(exp);
  EXPECT_EQ(Offsets(client.sentBatches[2]),
            (std::vector<std::int32_t>{0x0580, 0x02A0, 0x0560, 0x0564, 0x0568, 0x056C}));
}

struct Conversion {
  const char* what;
  std::int32_t offset, size;
  std::int64_t raw;
  std::int64_t want;
  std::int64_t (*value)(const state::ExpSimState&);
};

TEST_F(ExpLinkTest, ConversionsOfTheFastRead) {
  const Conversion cases[] = {
      {"altitude: a fraction of half a metre counts", 0x0570, 4, 0x80000000, 3282,
       [](const state::ExpSimState& s) -> std::int64_t { return s.AltitudeFt; }},
      {"climb is positive", 0x0842, 2, -300, 984,
       [](const state::ExpSimState& s) -> std::int64_t { return static_cast<std::int64_t>(s.VerticalSpeedFpm); }},
      {"descent is negative", 0x0842, 2, 300, -984,
       [](const state::ExpSimState& s) -> std::int64_t { return static_cast<std::int64_t>(s.VerticalSpeedFpm); }},
      {"ground speed 100 m/s", 0x02B4, 4, 100 * 65536, 360,
       [](const state::ExpSimState& s) -> std::int64_t { return s.GroundSpeedKmh; }},
      {"TAS half a knot to even", 0x02B8, 4, 250 * 128 + 64, 250,
       [](const state::ExpSimState& s) -> std::int64_t { return s.TasKt; }},
      {"IAS half a knot to even", 0x02BC, 4, 251 * 128 + 64, 252,
       [](const state::ExpSimState& s) -> std::int64_t { return s.IasKt; }},
      {"Mach 0.025 to even", 0x11C6, 2, 512, 2, [](const state::ExpSimState& s) -> std::int64_t { return s.MachX100; }},
      {"gear over 163 x 100 is not clipped", 0x0BF0, 4, 17000, 104,
       [](const state::ExpSimState& s) -> std::int64_t { return s.GearExtensionPct; }},
      {"gear up", 0x0BF0, 4, 0, 0, [](const state::ExpSimState& s) -> std::int64_t { return s.GearExtensionPct; }},
      {"ground elevation 10 m", 0x0B4C, 2, 10, 33,
       [](const state::ExpSimState& s) -> std::int64_t { return s.GroundElevationFt; }},
      {"a runaway ground elevation stays within its width", 0x0B4C, 2, 32767, 32767,
       [](const state::ExpSimState& s) -> std::int64_t { return s.GroundElevationFt; }},
  };
  Connect();
  for (const Conversion& c : cases) {
    SCOPED_TRACE(c.what);
    area = {};
    area.Set(0x0574, 4, 1000);  // 1000 m
    area.Set(c.offset, c.size, c.raw);
    ReadFlightStateFast(exp);
    EXPECT_EQ(c.value(exp.sim), c.want);
  }
}

TEST_F(ExpLinkTest, HalvesJoinWithAnUnsignedLowHalf) {
  struct Case {
    std::int32_t high;
    std::uint32_t low;
    double want;
  } cases[] = {
      {12, 0x80000000u, 12.5},   // low half at or above 2^31
      {-1, 0x80000000u, -0.5},   // south or west
      {-100, 0x40000000u, -99.75},
      {0, 0, 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(JoinSimHalves(c.high, c.low), c.want) << c.high << " " << c.low;
}

TEST_F(ExpLinkTest, TheFastReadWritesTheRecordAndTheTexts) {
  Connect();
  ASSERT_TRUE(simlink::OpenDataChannel(exp.svc.sharedMemoryPrefix, exp.sim.data));
  exp.sd.DepartureElevationFt = 35;
  exp.sd.ArrivalElevationFt = 82;
  area.Set(0x0238, 1, 9), area.Set(0x0239, 1, 41), area.Set(0x023A, 1, 7);
  area.Set(0x023B, 1, 0), area.Set(0x023C, 1, 41);
  area.Set(0x0246, 2, -540);
  area.Set(0x0560, 4, 0x80000000), area.Set(0x0564, 4, -1000000);   // south
  area.Set(0x0568, 4, 0), area.Set(0x056C, 4, -100000000);           // west
  area.Set(0x0574, 4, 3048), area.Set(0x0570, 4, 0);                 // 10000.0 ft
  area.Set(0x0B4C, 2, 10);
  area.Set(0x02B4, 4, 200 * 65536);
  area.Set(0x02B8, 4, 300 * 128), area.Set(0x02BC, 4, 250 * 128);
  area.Set(0x11C6, 2, 10240);
  ReadFlightStateFast(exp);

  state::FlightDataRecord want;
  want.latitude = (-1000000 + 0.5) * 8.9984275577e-6;
  want.longitude = -100000000 * 8.381903171539e-8;
  want.altitudeFt = 10000;  // 3048 x 3.28084 = 10000.0003
  want.heightAboveGroundFt = 10000 - 33;
  want.groundSpeedKmh = 720;
  want.indicatedAirspeedKt = 250;
  want.trueAirspeedKt = 300;
  want.machTimes100 = 50;
  want.localHour = 9, want.localMinute = 41, want.second = 7;
  want.gmtHour = 0, want.gmtMinute = 41;
  want.gmtAheadOfLocalMinutes = -540;
  state::FlightDataRecord got;
  ASSERT_EQ(simlink::ReadDataChannel(got, exp.sim.data), 54);
  EXPECT_EQ(got, want);

  EXPECT_EQ(Text(ExpBox::Tbx3), "GS：720 km/h");
  EXPECT_EQ(Text(ExpBox::Tbx2), "TAS：300");
  EXPECT_EQ(Text(ExpBox::Tbx1), "対到着Alt：9918") << "above 1000 ft over ground and arrival";
  EXPECT_EQ(exp.sim.ShowArrivalHeight, 1);

  // During a pushback the run owns the texts; the full read writes no record.
  exp.frame.PushbackFilePresent = -1;
  area.Set(0x02B4, 4, 0);
  ReadFlightStateFast(exp);
  EXPECT_EQ(Text(ExpBox::Tbx3), "GS：720 km/h");
  area.Set(0x0564, 4, 0);
  ReadFlightStateFull(exp);
  EXPECT_EQ(Text(ExpBox::Tbx3), "GS：0 km/h") << "the full read always sets them";
  ASSERT_EQ(simlink::ReadDataChannel(got, exp.sim.data), 54);
  EXPECT_EQ(got.groundSpeedKmh, 0) << "from the fast read";
  EXPECT_EQ(got.latitude, (-1000000 + 0.5) * 8.9984275577e-6);
}

TEST_F(ExpLinkTest, FullReadWeatherTexts) {
  struct Case {
    std::int32_t temperature, windDir, windKt, surfaceDir, surfaceKt, intensity, precipitation;
    const char* altWind;
    const char* groundWind;
  } cases[] = {
      {15 * 256, 0, 5, 0x4000, 12, 3, 1, "15℃ 風：360/05", "地上：雨/中　風：090/12"},
      {-3 * 256, -0x4000, 25, 0, 0, 0, 0, "-3℃ 風：270/25", "地上：--/--　風：360/00"},
      {14 * 256, 0x7FFF, 7, 0x2000, 3, 5, 2, "14℃ 風：180/07", "地上：雪/暴　風：045/03"},
      {16 * 256, 0, 5, 0, 0, 0, 0, "16℃ 風：360/05", "地上：--/--　風：360/00"},
      {-15 * 256, 0, 5, 0, 0, 0, 0, "-15℃ 風：360/05", "地上：--/--　風：360/00"},
      {15 * 256 + 128, 0, 5, 0, 0, 0, 0, "16℃ 風：360/05", "地上：--/--　風：360/00"},
      {-15 * 256 - 128, 0, 5, 0, 0, 0, 0, "-16℃ 風：360/05", "地上：--/--　風：360/00"},
  };
  Connect();
  for (const Case& c : cases) {
    area.Set(0x11D0, 2, c.temperature);
    area.Set(0x0E92, 2, c.windDir), area.Set(0x0E90, 2, c.windKt);
    area.Set(0x0EF2, 2, c.surfaceDir), area.Set(0x0EF0, 2, c.surfaceKt);
    area.Set(0x04CB, 1, c.intensity), area.Set(0x04CC, 1, c.precipitation);
    ReadFlightStateFull(exp);
    EXPECT_EQ(Text(ExpBox::AltWind), c.altWind);
    EXPECT_EQ(Text(ExpBox::GroundWind), c.groundWind);
  }
}

TEST_F(ExpLinkTest, HeadingIsMagneticAndRoundsUpTo360) {
  struct Case {
    double trueDeg;
    double variationDeg;
    std::int16_t want;
  } cases[] = {{359.6, 0, 360}, {10, 20, 350}, {200, -7, 207}, {0.2, 0, 0}};
  Connect();
  for (const Case& c : cases) {
    const double t = c.trueDeg > 180 ? c.trueDeg - 360 : c.trueDeg;  // the word is signed
    area.Set(0x0580, 4, static_cast<std::int64_t>(t / 360.0 * 4294967296.0));
    area.Set(0x02A0, 2, static_cast<std::int64_t>(c.variationDeg * 65536 / 360));
    ReadHeadingAndPosition(exp);
    EXPECT_EQ(exp.sim.HeadingDeg, c.want) << c.trueDeg;
    // The fast read keeps the same heading for the landing-course sectors, and leaves
    // the pushback's heading alone.
    exp.sim.HeadingDeg = -1;
    ReadFlightStateFast(exp);
    EXPECT_EQ(exp.sim.SectorHeadingDeg, c.want) << c.trueDeg;
    EXPECT_EQ(exp.sim.HeadingDeg, -1);
  }
}

TEST_F(ExpLinkTest, PushbackTurnTargets) {
  struct Case {
    std::int16_t mode;
    const char* side;
    std::int16_t angle;
    const char* word;
    std::int16_t fixed;
    std::int16_t heading;
    std::int16_t want;
  } cases[] = {
      {1, "左", 90, "", 0, 30, 300}, {1, "右", 90, "", 0, 300, 30}, {1, "右", 60, "", 0, 300, 0},
      {2, "", 0, "東", 0, 0, 90},    {2, "", 0, "西", 0, 0, 270},   {3, "", 0, "", 145, 0, 145},
  };
  for (const Case& c : cases) {
    exp.pushback.PushbackTurnMode = c.mode;
    exp.pushback.PushbackSide = c.side;
    exp.pushback.PushbackTurnAngle = c.angle;
    exp.pushback.PushbackCompassWord = c.word;
    exp.pushback.PushbackFixedHeading = c.fixed;
    exp.sim.HeadingDeg = c.heading;
    ComputePushbackTurnTarget(exp);
    EXPECT_EQ(exp.sim.PushbackTargetHeading, c.want) << c.mode << c.side << c.word;
  }
}

TEST_F(ExpLinkTest, PushbackAndSlewWrites) {
  using W = platform::InProcessSimIpcClient::Write;
  Connect();
  exp.pushback.PushbackSide = "右";
  exp.pushback.SlewStartByte = 0x105;  // its low byte goes
  exp.pushback.SlewTurnValue = 12;
  exp.pushback.SlewTurnByte = 3;
  StartSimPushbackStraight(exp);
  StartSimPushbackTurn(exp);
  StopSimPushback(exp);
  EXPECT_EQ(client.writes, (std::vector<W>{{0x31F4, 4, 0}, {0x31F4, 4, 1}, {0x31F4, 4, 3}}));
  client.writes.clear();
  StartSlewPush(exp);
  SetSlewPushTurnRate(exp);
  EXPECT_EQ(client.writes, (std::vector<W>{{0x05E4, 2, 0},
                                           {0x05E6, 2, 0},
                                           {0x05E8, 2, 16384},
                                           {0x05EB, 1, 0},
                                           {0x05ED, 1, 0},
                                           {0x05EE, 2, 16384},
                                           {0x05DC, 2, 1},
                                           {0x05E8, 2, 25000},
                                           {0x05EB, 1, 5},
                                           {0x05EB, 1, 3},
                                           {0x05E6, 2, -120}}));
  client.writes.clear();
  const int before = client.batches;
  StopSlewPush(exp);
  EXPECT_EQ(client.writes.front(), (W{0x05E4, 2, 0}));
  EXPECT_EQ(client.writes.back(), (W{0x05E8, 2, 16384})) << "after half a second of reads";
  EXPECT_GT(client.batches - before, 3);
  client.writes.clear();
  WriteStateFlag(exp, 1);
  EXPECT_EQ(client.writes, (std::vector<W>{{0x2F80, 1, 1}}));
}

TEST_F(ExpLinkTest, WaitReadsEachRoundAndEndsWhenTheProgramEnds) {
  Connect();
  const auto start = clock.MonotonicNanos();
  EXPECT_TRUE(WaitSeconds(exp, 1.0f));
  EXPECT_GE(clock.MonotonicNanos() - start, 1'000'000'000);
  EXPECT_GT(client.batches, 5) << "a fast read each round";
  pump.After(std::chrono::milliseconds(200), [this] { exp.frame.QuitRequested = 1; });
  const auto second = clock.MonotonicNanos();
  EXPECT_FALSE(WaitSeconds(exp, 5.0f));
  EXPECT_LT(clock.MonotonicNanos() - second, 400'000'000);
}

TEST_F(ExpLinkTest, Fs6ReadsLeaveTheStateAtRest) {
  finder.windows["FS6MAIN"] = 66;
  ASSERT_TRUE(ConnectSimulatorExp(exp));
  area.Set(0x0574, 4, 1000);
  ReadFlightStateFast(exp);
  ReadFlightStateFull(exp);
  EXPECT_EQ(exp.sim.AltitudeFt, 0);
  EXPECT_EQ(Text(ExpBox::AltWind), "0℃ 風：360/00");
}

}  // namespace
}  // namespace vx::callout
