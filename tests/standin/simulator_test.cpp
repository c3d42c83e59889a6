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

TEST(SimulatorScriptTest, TheLogSaysOnceWhenAScriptHasPlayedOut) {
  Simulator sim(Settings({2024, 5, 1, 9, 30, 0}));
  std::string message;
  auto ends = [&sim] {
    std::vector<std::string> out;
    for (const std::string& line : sim.LogLines()) {
      if (line.find("\"kind\":\"script-end\"") != std::string::npos) out.push_back(line);
    }
    return out;
  };
  ASSERT_TRUE(sim.LoadScript("taxi", "at 0 gs=0\nat 30 gs=15\n", message)) << message;
  sim.Update(0.0);
  sim.Update(29.0);
  EXPECT_TRUE(ends().empty());
  sim.Update(30.0);
  sim.Update(60.0);
  ASSERT_EQ(ends().size(), 1u);
  EXPECT_NE(ends()[0].find("\"name\":\"taxi\""), std::string::npos) << ends()[0];
  // The next script is followed afresh.
  ASSERT_TRUE(sim.LoadScript("takeoff", "at 0 gs=0\nat 10 gs=150\n", message)) << message;
  sim.Update(65.0);
  EXPECT_EQ(ends().size(), 1u);
  sim.Update(71.0);
  ASSERT_EQ(ends().size(), 2u);
  EXPECT_NE(ends()[1].find("\"name\":\"takeoff\""), std::string::npos) << ends()[1];
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

// The log lives in its file: read back in parts, whole lines where one fits, and a line
// longer than a part comes whole in several.
TEST(SimulatorLogTest, TheLogIsReadBackInPartsWithoutCuttingALine) {
  Simulator sim(Settings({2024, 5, 1, 9, 30, 0}));
  sim.Update(0.0);
  std::string message;
  const std::string longName(300000, 'x');
  ASSERT_TRUE(sim.LoadScript(longName, "at 0 gs=1\n", message));
  for (int i = 0; i < 50; ++i) ASSERT_TRUE(sim.AdvanceTime(1, message));
  std::string all;
  for (std::uint64_t at = 0, next = 0; at < sim.LogSize(); at = next) {
    const std::string part = sim.ReadLog(at, 65536, next);
    ASSERT_GT(next, at);
    ASSERT_EQ(next - at, part.size());
    if (next < sim.LogSize() && part.size() < 65536) {
      EXPECT_EQ(part.back(), '\n');
    }
    all += part;
  }
  const auto lines = sim.LogLines();
  ASSERT_EQ(lines.size(), 52u);  // the script, its end, and 50 advances
  std::string joined;
  for (const auto& line : lines) {
    EXPECT_EQ(line.front(), '{');
    EXPECT_EQ(line.back(), '}');
    joined += line + "\n";
  }
  EXPECT_EQ(all, joined);
  EXPECT_NE(lines[0].find("\"name\":\"" + longName + "\""), std::string::npos);
  EXPECT_EQ(lines[51].rfind("{\"n\":52,\"sim\":50.000,\"clock\":\"09:30:50\",\"kind\":\"time\",", 0), 0u) << lines[51];
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

// Keys typed into the simulator: "S" a press of S, "+S" Shift+S, "A-V" Alt+V, "SCB"
// Shift+Ctrl+Backspace; each changes the view mode or angle as given.
void Type(Simulator& sim, const std::vector<int>& modifiers, int key) {
  for (int m : modifiers) sim.Key("client 1", m, true);
  sim.Key("client 1", key, true);
  sim.Key("client 1", key, false);
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) sim.Key("client 1", *it, false);
}

TEST(SimulatorViewTest, KeysMoveTheViewModeAndAngle) {
  Simulator sim(Settings({2024, 5, 1, 9, 30, 0}));
  auto mode = [&] { return static_cast<int>(sim.Area().GetUnsigned(0x8320, 1)); };
  auto angle = [&] { return static_cast<int>(sim.Area().GetUnsigned(0x833C, 2)); };
  EXPECT_EQ(mode(), 1);
  struct Step {
    std::vector<int> modifiers;
    int key;
    int mode, angle;
  };
  const Step steps[] = {
      {{}, 83, 2, 0},        {{}, 83, 3, 0},        {{}, 83, 4, 0},      {{16, 17}, 8, 4, 2048},
      {{16, 17}, 8, 4, 4096}, {{}, 83, 1, 4096},    {{16}, 83, 4, 4096}, {{16}, 83, 3, 4096},
      {{16, 17}, 8, 3, 4096}, {{18}, 86, 3, 4096},  {{}, 77, 3, 4096},   {{}, 67, 1, 4096},
      {{}, 77, 1, 4096},      {{}, 67, 1, 4096},    {{16}, 83, 4, 4096}, {{18}, 86, 4, 4096},
      {{}, 65, 4, 4096},      {{}, 77, 4, 4096},    {{}, 67, 4, 4096},   {{17}, 83, 4, 4096},
  };
  int i = 0;
  for (const Step& step : steps) {
    Type(sim, step.modifiers, step.key);
    EXPECT_EQ(mode(), step.mode) << "step " << i;
    EXPECT_EQ(angle(), step.angle) << "step " << i;
    ++i;
  }
  // The angle wraps at a full circle.
  sim.Area().Set(0x833C, 2, 65536 - 1024);
  Type(sim, {16, 17}, 8);
  EXPECT_EQ(angle(), 1024);
}

TEST(SimulatorViewTest, KeysDoNothingWhileTheWindowIsNotInFront) {
  Simulator sim(Settings({2024, 5, 1, 9, 30, 0}));
  EXPECT_TRUE(sim.InFront());
  sim.SetInFront("ctl 1", false);
  sim.Key("client 1", 16, true);  // modifiers are tracked all the same
  Type(sim, {}, 83);
  EXPECT_EQ(sim.Area().GetUnsigned(0x8320, 1), 1u);
  sim.SetInFront("client 1", true);
  Type(sim, {}, 83);  // Shift is still down
  EXPECT_EQ(sim.Area().GetUnsigned(0x8320, 1), 4u);
  const auto& log = sim.LogLines();
  EXPECT_NE(log[0].find("\"kind\":\"focus\",\"from\":\"ctl 1\",\"front\":false"), std::string::npos) << log[0];
}

TEST(SimulatorViewTest, EyeLineAfterEachChangeOfTheView) {
  Simulator sim(Settings({2024, 5, 1, 9, 30, 0}));
  auto write = [&](std::int32_t offset, std::int32_t size, std::int32_t value) {
    const auto b = Bytes(value);
    sim.Write("client 1", offset, size, std::span(b.data(), static_cast<std::size_t>(size)));
  };
  auto eyeLines = [&] {
    std::vector<std::string> out;
    for (const auto& line : sim.LogLines()) {
      const auto at = line.find("\"kind\":\"eye\",");
      if (at != std::string::npos) out.push_back(line.substr(at + 13, line.size() - at - 14));
    }
    return out;
  };
  // One batch: the preset view and the mode; one line after it.
  write(0x8334, 2, 51);
  write(0x833C, 2, 34588);
  write(0x8340, 4, 20 * 256);
  write(0x8348, 4, 3 * 256 + 128);
  write(0x8345, 1, 1);
  write(0x8320, 1, 4);
  sim.NoteViewChange();
  sim.NoteViewChange();  // nothing changed since
  // The tower eye point at 35.5 N, 139.75 E (low halves above 2^31), south of the equator after.
  const auto lat = std::llround(35.5 / 8.9984275577e-6 * 4294967296.0);
  const auto lon = std::llround(139.75 / 8.381903171539e-8 * 4294967296.0);
  write(0x0D50, 4, static_cast<std::int32_t>(lat & 0xFFFFFFFF));
  write(0x0D54, 4, static_cast<std::int32_t>(lat >> 32));
  write(0x0D58, 4, static_cast<std::int32_t>(lon & 0xFFFFFFFF));
  write(0x0D5C, 4, static_cast<std::int32_t>(lon >> 32));
  write(0x0D64, 4, 30);
  write(0x8330, 2, 64);
  write(0x8320, 1, 3);
  sim.NoteViewChange();
  Type(sim, {}, 83);  // 3 -> 4
  Type(sim, {}, 65);  // no change, no line
  EXPECT_EQ(eyeLines(),
            (std::vector<std::string>{
                "\"mode\":4,\"preset\":{\"altitude\":3.5,\"distance\":20,\"zoom\":51,\"angle\":34588,\"code\":1},"
                "\"tower\":{\"lat\":0.0000000,\"lon\":0.0000000,\"alt\":0,\"zoom\":0}",
                "\"mode\":3,\"preset\":{\"altitude\":3.5,\"distance\":20,\"zoom\":51,\"angle\":34588,\"code\":1},"
                "\"tower\":{\"lat\":35.5000000,\"lon\":139.7500000,\"alt\":30,\"zoom\":64}",
                "\"mode\":4,\"preset\":{\"altitude\":3.5,\"distance\":20,\"zoom\":51,\"angle\":34588,\"code\":1},"
                "\"tower\":{\"lat\":35.5000000,\"lon\":139.7500000,\"alt\":30,\"zoom\":64}",
            }));
  EXPECT_EQ("{" + sim.EyeFields() + "}", "{" + eyeLines().back() + "}");
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
