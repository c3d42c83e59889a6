#include "simulator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "options.h"

namespace vx::standin {
namespace {

SimulatorSettings Settings(CivilTime start, int gmtMinusLocal = -540, double scale = 1) {
  SimulatorSettings s;
  s.localStart = start;
  s.gmtMinusLocalMinutes = gmtMinusLocal;
  s.timeScale = scale;
  return s;
}

std::array<std::uint8_t, 4> Bytes(std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u >> 16),
          static_cast<std::uint8_t>(u >> 24)};
}

struct ClockReading {
  int localHour, localMinute, second, gmtHour, gmtMinute, zone, dayOfYear, year;
  bool operator==(const ClockReading&) const = default;
};

ClockReading ReadClock(Simulator& sim) {
  auto& a = sim.Area();
  return {static_cast<int>(a.GetUnsigned(0x0238, 1)), static_cast<int>(a.GetUnsigned(0x0239, 1)),
          static_cast<int>(a.GetUnsigned(0x023A, 1)), static_cast<int>(a.GetUnsigned(0x023B, 1)),
          static_cast<int>(a.GetUnsigned(0x023C, 1)), static_cast<int>(a.GetSigned(0x0246, 2)),
          static_cast<int>(a.GetSigned(0x023E, 2)),   static_cast<int>(a.GetSigned(0x0240, 2))};
}

TEST(SimulatorClockTest, LocalAndGmtFieldsAtTheStart) {
  Simulator sim(Settings({2024, 5, 1, 9, 30, 0}));
  EXPECT_EQ(ReadClock(sim), (ClockReading{9, 30, 0, 0, 30, -540, 122, 2024}));
}

TEST(SimulatorClockTest, RunsAtItsScaleAcrossMidnight) {
  Simulator sim(Settings({2024, 12, 31, 23, 59, 50}, 300, 2));
  sim.Update(1000.0);
  sim.Update(1010.0);  // 10 real seconds at twice the speed
  EXPECT_EQ(ReadClock(sim), (ClockReading{0, 0, 10, 5, 0, 300, 1, 2025}));
}

TEST(SimulatorClockTest, PauseFreezesClockAndScript) {
  Simulator sim(Settings({2024, 5, 1, 9, 30, 0}));
  std::string message;
  ASSERT_TRUE(sim.LoadScript("climb", "at 0 ias=100\nat 100 ias=200\n", message)) << message;
  sim.Update(0.0);
  sim.Update(20.0);
  EXPECT_EQ(sim.Area().GetSigned(0x02BC, 4), 120 * 128);

  const auto one = Bytes(1);
  sim.Write("client 1", 0x0262, 2, std::span(one.data(), 2));
  sim.Update(80.0);
  EXPECT_EQ(ReadClock(sim).second, 20);
  EXPECT_EQ(sim.Area().GetSigned(0x02BC, 4), 120 * 128);

  const auto zero = Bytes(0);
  sim.Write("client 1", 0x0262, 2, std::span(zero.data(), 2));
  sim.Update(90.0);  // runs on from where it stopped
  EXPECT_EQ(ReadClock(sim).second, 30);
  EXPECT_EQ(sim.Area().GetSigned(0x02BC, 4), 130 * 128);
}

TEST(SimulatorClockTest, AdvanceAndScaleFromControl) {
  Simulator sim(Settings({2024, 5, 1, 9, 30, 0}));
  sim.Update(0.0);
  std::string message;
  EXPECT_TRUE(sim.AdvanceTime(90, message));
  EXPECT_EQ(ReadClock(sim).localMinute, 31);
  EXPECT_EQ(ReadClock(sim).second, 30);
  EXPECT_TRUE(sim.SetTimeScale(0, message));
  sim.Update(1000.0);
  EXPECT_EQ(ReadClock(sim).second, 30);
}

TEST(SimulatorClockTest, ScaleAndAdvanceBeyondTheirRangeAreRefusedAndTheLogStaysJson) {
  Simulator sim(Settings({2024, 5, 1, 9, 30, 0}));
  sim.Update(0.0);
  std::string message;
  EXPECT_FALSE(sim.AdvanceTime(1e300, message));
  EXPECT_EQ(message, "the clock moves on by 0 to 31622400 seconds (one year) at a time");
  EXPECT_FALSE(sim.AdvanceTime(-1, message));
  EXPECT_FALSE(sim.AdvanceTime(std::nan(""), message));
  EXPECT_FALSE(sim.SetTimeScale(1e300, message));
  EXPECT_EQ(message, "the time scale is a number from 0 to 1000");
  EXPECT_EQ(ReadClock(sim).localMinute, 30);
  EXPECT_TRUE(sim.AdvanceTime(31622400, message));
  EXPECT_EQ(ReadClock(sim).year, 2025);
  for (const auto& line : sim.LogLines()) EXPECT_EQ(line.back(), '}') << line;
}

TEST(SimulatorWriteTest, TankLevelWrittenWhileTheScriptBurnsFuel) {
  Simulator sim(Settings({2024, 5, 1, 9, 30, 0}));
  std::string message;
  ASSERT_TRUE(sim.LoadScript("burn", "at 0 fuel=60\nat 100 fuel=40\n", message));
  sim.Update(0.0);
  const auto full = Bytes(8388608);
  EXPECT_EQ(sim.Write("client 1", 0x0B7C, 4, full), platform::SimEntryStatus::Ok);
  EXPECT_EQ(sim.Area().GetSigned(0x0B7C, 4), 8388608);
  sim.Update(50.0);
  // The written tank burns on from its new level: 100 % - 10 %; the others follow the script.
  EXPECT_EQ(sim.Area().GetSigned(0x0B7C, 4), std::llround(0.9 * 8388608));
  EXPECT_EQ(sim.Area().GetSigned(0x0B94, 4), std::llround(0.5 * 8388608));
}

TEST(SimulatorWriteTest, TankLevelWriteWithoutAScriptStays) {
  Simulator sim(Settings({2024, 5, 1, 9, 30, 0}));
  sim.Update(0.0);
  const auto level = Bytes(1234567);
  sim.Write("client 1", 0x0B94, 4, level);
  sim.Update(500.0);
  EXPECT_EQ(sim.Area().GetSigned(0x0B94, 4), 1234567);
}

TEST(SimulatorWriteTest, RejectedEntriesChangeNothingAndAreLogged) {
  Simulator sim(Settings({2024, 5, 1, 9, 30, 0}));
  const auto v = Bytes(5);
  std::uint8_t out[4] = {9, 9, 9, 9};
  EXPECT_EQ(sim.Write("ctl 1", 0x0100, 3, std::span(v.data(), 3)), platform::SimEntryStatus::BadSize);
  EXPECT_EQ(sim.Write("ctl 1", 0x0100, 2, std::span(v.data(), 1)), platform::SimEntryStatus::BadSize);
  EXPECT_EQ(sim.Write("ctl 1", 65535, 2, std::span(v.data(), 2)), platform::SimEntryStatus::OutsideArea);
  EXPECT_EQ(sim.Read("ctl 1", -4, 4, out), platform::SimEntryStatus::OutsideArea);
  EXPECT_EQ(out[0], 9);
  EXPECT_EQ(sim.Area().GetSigned(0x0100, 4), 0);
  ASSERT_EQ(sim.LogLines().size(), 4u);
  EXPECT_EQ(sim.LogLines()[0],
            "{\"n\":1,\"sim\":0.000,\"clock\":\"09:30:00\",\"kind\":\"reject\",\"op\":\"write\",\"from\":\"ctl 1\","
            "\"offset\":\"0x0100\",\"size\":3,\"reason\":\"size\"}");
  EXPECT_EQ(sim.LogLines()[3],
            "{\"n\":4,\"sim\":0.000,\"clock\":\"09:30:00\",\"kind\":\"reject\",\"op\":\"read\",\"from\":\"ctl 1\","
            "\"offset\":\"-0x0004\",\"size\":4,\"reason\":\"outside\"}");
}

TEST(SimulatorWriteTest, WritesAndKeysAreLoggedAsJsonLines) {
  Simulator sim(Settings({2024, 5, 1, 9, 30, 0}));
  std::vector<std::string> sunk;
  sim.SetLogSink([&](const std::string& line) { sunk.push_back(line); });
  const auto v = Bytes(-2);
  sim.Write("client 2", 0x31F4, 4, v);
  sim.Key("client 2", 69, true);
  sim.HookKey("ctl 3", 67, false, true);
  sim.HookKey("ctl 3", 48, true, false);
  ASSERT_EQ(sim.LogLines().size(), 4u);
  EXPECT_EQ(sim.LogLines()[0],
            "{\"n\":1,\"sim\":0.000,\"clock\":\"09:30:00\",\"kind\":\"write\",\"from\":\"client 2\","
            "\"offset\":\"0x31F4\",\"size\":4,\"value\":-2}");
  EXPECT_EQ(sim.LogLines()[1],
            "{\"n\":2,\"sim\":0.000,\"clock\":\"09:30:00\",\"kind\":\"key\",\"from\":\"client 2\",\"vk\":69,"
            "\"down\":true}");
  EXPECT_EQ(sim.LogLines()[2],
            "{\"n\":3,\"sim\":0.000,\"clock\":\"09:30:00\",\"kind\":\"hook-key\",\"from\":\"ctl 3\",\"vk\":67,"
            "\"down\":false,\"delivered\":true}");
  EXPECT_EQ(sim.LogLines()[3],
            "{\"n\":4,\"sim\":0.000,\"clock\":\"09:30:00\",\"kind\":\"hook-key\",\"from\":\"ctl 3\",\"vk\":48,"
            "\"down\":true,\"delivered\":false}");
  EXPECT_EQ(sunk, sim.LogLines());
}

TEST(SimulatorWriteTest, RefusedStart) {
  SimulatorSettings s = Settings({2024, 5, 1, 9, 30, 0});
  s.refuseStart = true;
  Simulator sim(s);
  EXPECT_FALSE(sim.StartLink("client 1", 65536));
}

TEST(StandinOptionsTest, DefaultsAndChoices) {
  Options o;
  std::string error;
  ASSERT_TRUE(ParseOptions({}, {2024, 1, 2, 3, 4, 5}, o, error));
  EXPECT_EQ(o.sim.windowClass, "FS98MAIN");
  EXPECT_EQ(o.sim.gmtMinusLocalMinutes, -540);
  EXPECT_EQ(o.sim.localStart.hour, 3);
  EXPECT_FALSE(o.ctl);

  ASSERT_TRUE(ParseOptions({"--class", "FS6MAIN", "--refuse-start", "--start", "2024-05-01 23:10:00", "--time-scale",
                            "4", "--gmt-minus-local", "300", "ctl", "get", "0x0238", "1"},
                           {}, o, error));
  EXPECT_EQ(o.sim.windowClass, "FS6MAIN");
  EXPECT_TRUE(o.sim.refuseStart);
  EXPECT_EQ(o.sim.localStart.hour, 23);
  EXPECT_EQ(o.sim.timeScale, 4);
  EXPECT_EQ(o.sim.gmtMinusLocalMinutes, 300);
  EXPECT_TRUE(o.ctl);
  EXPECT_EQ(o.ctlArgs, (std::vector<std::string>{"get", "0x0238", "1"}));

  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {"--class", "FS2000"}, {"--start", "9:30"}, {"--time-scale", "-1"}, {"--bogus", "1"}, {"--prefix"}}) {
    EXPECT_FALSE(ParseOptions(bad, {}, o, error)) << bad[0];
  }
}

}  // namespace
}  // namespace vx::standin
