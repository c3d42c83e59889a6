// The stand-in moving the aircraft on its pushback and slew variables, and its doors and
// jetway on their keys.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "flight_script.h"
#include "simulator.h"

namespace vx::standin {
namespace {

constexpr double kMetresPerDegree = 1852.0 * 60.0;

class MotionTest : public ::testing::Test {
 protected:
  MotionTest() {
    SimulatorSettings s;
    s.localStart = {2024, 5, 1, 9, 30, 0};
    sim = std::make_unique<Simulator>(s);
    std::string message;
    EXPECT_TRUE(sim->LoadScript("gate", "at 0 lat=35 lon=139 hdg=90 onground=1\n", message)) << message;
    sim->Update(0.0);
  }
  void Write(std::int32_t offset, std::int32_t size, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    const std::array<std::uint8_t, 4> b{static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                                        static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
    sim->Write("test", offset, size, std::span(b.data(), static_cast<std::size_t>(size)));
  }
  double Lat() { return Degrees(0x0560, 8.9984275577e-6); }
  double Lon() { return Degrees(0x0568, 8.381903171539e-8); }
  double Heading() { return sim->Area().GetUnsigned(0x0580, 4) / 4294967296.0 * 360.0; }
  // Metres east and north of the gate.
  double East() { return (Lon() - 139.0) * kMetresPerDegree * std::cos(35.0 * 3.14159265358979 / 180.0); }
  double North() { return (Lat() - 35.0) * kMetresPerDegree; }
  double Degrees(std::int32_t low, double perUnit) {
    const auto& a = sim->Area();
    return (static_cast<double>(a.GetSigned(low + 4, 4)) + a.GetUnsigned(low, 4) / 4294967296.0) * perUnit;
  }
  std::unique_ptr<Simulator> sim;
};

TEST_F(MotionTest, PushbackStraightTurnsAndStops) {
  Write(0x31F4, 4, 0);  // straight back: facing east, so moving west
  sim->Update(10.0);
  EXPECT_NEAR(East(), -15.0, 0.1);
  EXPECT_NEAR(North(), 0.0, 0.1);
  EXPECT_EQ(sim->Area().GetSigned(0x02B4, 4), std::lround(1.5 * 65536));
  EXPECT_EQ(sim->Area().GetSigned(0x0366, 2), 1) << "still on the ground";
  Write(0x31F4, 4, 1);  // turning to higher headings
  sim->Update(20.0);
  EXPECT_NEAR(Heading(), 120.0, 0.1);
  Write(0x31F4, 4, 2);  // and back to lower ones
  std::string message;
  ASSERT_TRUE(sim->AdvanceTime(5.0, message));
  EXPECT_NEAR(Heading(), 105.0, 0.1);
  Write(0x31F4, 4, 3);
  sim->Update(30.0);
  const double east = East();
  EXPECT_EQ(sim->Area().GetSigned(0x02B4, 4), 0);
  sim->Update(40.0);
  EXPECT_EQ(East(), east) << "stopped";
  // A new script: the displacement goes.
  ASSERT_TRUE(sim->LoadScript("gate", "at 0 lat=35 lon=139 hdg=90\n", message));
  EXPECT_NEAR(East(), 0.0, 0.01);
  EXPECT_NEAR(Heading(), 90.0, 0.01);
}

TEST_F(MotionTest, ANextScriptGoesOnFromWhereThePushbackLeftTheAircraft) {
  Write(0x31F4, 4, 1);  // back and turning
  sim->Update(10.0);
  Write(0x31F4, 4, 3);
  sim->Update(11.0);
  const double lat = Lat(), lon = Lon(), heading = Heading();
  ASSERT_NE(heading, 90.0);
  std::string message;
  ASSERT_TRUE(sim->LoadScript("taxi", "at 0 lat=here lon=here hdg=here gs=0\nat 100 lat=35.001 lon=139 hdg=0\n",
                              message))
      << message;
  EXPECT_NEAR(Lat(), lat, 1e-7);
  EXPECT_NEAR(Lon(), lon, 1e-7);
  EXPECT_NEAR(Heading(), heading, 1e-4);
  sim->Update(61.0);  // halfway along the track
  EXPECT_NEAR(Lat(), (lat + 35.001) / 2, 1e-7);
  EXPECT_NEAR(Lon(), (lon + 139.0) / 2, 1e-7);
}

TEST(HereValueTest, OnlyPositionAltitudeAndHeadingStartWhereTheAircraftStands) {
  FlightScript s;
  std::string error;
  EXPECT_TRUE(FlightScript::Parse("at 0 lat=here lon=here alt=here hdg=here\n", s, error)) << error;
  EXPECT_FALSE(FlightScript::Parse("at 0 ias=here\n", s, error));
  EXPECT_EQ(error, "line 1: only lat, lon, alt and hdg take \"here\", not ias");
}

TEST_F(MotionTest, PauseHoldsThePushback) {
  Write(0x31F4, 4, 0);
  Write(0x0262, 2, 1);
  sim->Update(10.0);
  EXPECT_NEAR(East(), 0.0, 0.01);
  Write(0x0262, 2, 0);
  sim->Update(12.0);
  EXPECT_NEAR(East(), -3.0, 0.05);
}

TEST_F(MotionTest, SlewPushByItsRates) {
  Write(0x05DC, 2, 1);
  Write(0x05EB, 1, 5);     // 0.5 m/s back
  Write(0x05E6, 2, -300);  // 3 degrees a second to the right
  sim->Update(10.0);
  EXPECT_NEAR(Heading(), 120.0, 0.1);
  EXPECT_NEAR(std::hypot(East(), North()), 5.0 * 2 / (30 * 3.14159265 / 180) * std::sin(15 * 3.14159265 / 180), 0.1);
  EXPECT_EQ(sim->Area().GetSigned(0x02B4, 4), 0) << "a slew shows no ground speed";
  Write(0x05EB, 1, 0);  // no speed: no motion
  const double h = Heading();
  sim->Update(20.0);
  EXPECT_EQ(Heading(), h);
}

TEST_F(MotionTest, DoorsAndJetwayOnTheirKeysInFrontOnly) {
  const auto press = [&](int vk) {
    sim->Key("test", vk, true);
    sim->Key("test", vk, false);
  };
  const auto kinds = [&](const char* kind) {
    std::string out;
    for (const auto& line : sim->LogLines()) {
      if (line.find(std::string("\"kind\":\"") + kind + "\"") == std::string::npos) continue;
      out += line.substr(line.find(kind) + std::string(kind).size() + 2);
    }
    return out;
  };
  sim->Key("test", 16, true);  // Shift+E, then 1
  press(69);
  sim->Key("test", 16, false);
  sim->Update(0.5);
  press(49);
  // Too late: more than a second after the chord.
  sim->Key("test", 16, true);
  press(69);
  sim->Key("test", 16, false);
  sim->Update(2.0);
  press(50);
  // Ctrl+Shift+W, F6.
  sim->Key("test", 17, true);
  sim->Key("test", 16, true);
  press(87);
  sim->Key("test", 16, false);
  sim->Key("test", 17, false);
  press(117);
  // Not in front: nothing.
  sim->SetInFront("test", false);
  sim->Key("test", 16, true);
  press(69);
  sim->Key("test", 16, false);
  press(49);
  EXPECT_EQ(kinds("door"), "\"door\":1,\"open\":true}");
  EXPECT_EQ(kinds("jetway"), "\"attached\":false}");
}

}  // namespace
}  // namespace vx::standin
