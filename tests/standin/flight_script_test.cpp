#include "flight_script.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vx::standin {
namespace {

TEST(ScriptTimeTest, Forms) {
  struct Case {
    const char* text;
    bool ok;
    double seconds;
  } cases[] = {{"0", true, 0},         {"90", true, 90},      {"90.5", true, 90.5}, {"1:30", true, 90},
               {"1:02:03", true, 3723}, {"1:60", false, 0},   {"-5", false, 0},     {"a", false, 0},
               {"", false, 0},         {"1:2:3:4", false, 0}, {"1:", false, 0}};
  for (const Case& c : cases) {
    double s = -1;
    EXPECT_EQ(ParseScriptTime(c.text, s), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(s, c.seconds) << c.text;
    }
  }
}

TEST(FlightScriptTest, BadScriptsNameTheirLine) {
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"at 0 alt=100\nat 10 height=5\n", "line 2: unknown value \"height\""},
      {"# comment\nwhen 0 alt=1\n", "line 2: a keyframe starts with \"at TIME\""},
      {"at x alt=1\n", "line 1: bad time \"x\""},
      {"at 10 alt=1\nat 5 alt=2\n", "line 2: keyframes must not go back in time"},
      {"at 0 alt=high\n", "line 1: bad number \"high\" for alt"},
      {"at 0 alt\n", "line 1: expected NAME=VALUE, got \"alt\""},
      {"at 0 0x2F80=1\n", "line 1: expected 0xOFFSET:SIZE=VALUE, got \"0x2F80=1\""},
      {"at 0 0xFFFF:2=1\n", "line 1: variable 0xFFFF:2 is outside the area or not 1, 2 or 4 bytes"},
      {"at 0 0x0100:3=1\n", "line 1: variable 0x0100:3 is outside the area or not 1, 2 or 4 bytes"},
      {"at 0 lat=1e20\n", "line 1: lat takes -90 to 90, not 1e20"},
      {"at 0 alt=-1e300\n", "line 1: alt takes -2000 to 200000, not -1e300"},
      {"at 0 gs=1e19\n", "line 1: gs takes -1e+09 to 1e+09, not 1e19"},
      {"at 1e300 alt=1\n", "line 1: bad time \"1e300\""},
      {"at 0 0x2F80:1=256\n", "line 1: variable 0x2F80:1 takes -128 to 255, not 256"},
      {"at 0 0x0238:4=-2147483649\n", "line 1: variable 0x0238:4 takes -2147483648 to 4294967295, not -2147483649"},
  };
  for (const Case& c : cases) {
    FlightScript s;
    std::string error;
    EXPECT_FALSE(FlightScript::Parse(c.text, s, error)) << c.text;
    EXPECT_EQ(error, c.error);
  }
}

class ScriptSampleTest : public ::testing::Test {
 protected:
  void Load(const char* text) {
    std::string error;
    ASSERT_TRUE(FlightScript::Parse(text, script, error)) << error;
  }
  void At(double t) {
    FieldTarget target{area, shift};
    script.RunRawWritesUpTo(t, area);
    script.ApplyAt(t, target);
  }
  FlightScript script;
  platform::SimVariableArea area;
  std::array<std::int64_t, 11> shift{};
};

TEST_F(ScriptSampleTest, LinearValuesAreInterpolatedAndHeldOutside) {
  Load("at 10 tas=100\nat 20 tas=200\n");
  EXPECT_EQ(script.KeyframeCount(), 2u);
  EXPECT_EQ(script.Duration(), 20);
  for (const auto& [t, kt] : {std::pair{0.0, 100}, {10.0, 100}, {15.0, 150}, {17.5, 175}, {20.0, 200}, {99.0, 200}}) {
    At(t);
    EXPECT_EQ(area.GetSigned(0x02B8, 4), kt * 128) << t;
  }
}

TEST_F(ScriptSampleTest, HeadingTurnsTheShortWayAcrossNorth) {
  Load("at 0 hdg=350\nat 20 hdg=10\n");
  At(10);
  EXPECT_EQ(area.GetUnsigned(0x0580, 4), 0u);  // north, not 180
  At(5);
  EXPECT_NEAR(static_cast<double>(area.GetUnsigned(0x0580, 4)) / 4294967296.0 * 360.0, 355.0, 1e-6);
}

TEST_F(ScriptSampleTest, StepValuesHoldUntilTheNextKeyframe) {
  Load("at 0 onground=1 low_cover=2\nat 60 onground=0 low_cover=8\n");
  At(59.9);
  EXPECT_EQ(area.GetSigned(0x0366, 2), 1);
  EXPECT_EQ(area.GetUnsigned(0x0EA6, 2), 0x4000u);
  At(60);
  EXPECT_EQ(area.GetSigned(0x0366, 2), 0);
  EXPECT_EQ(area.GetUnsigned(0x0EA6, 2), 0xFFFFu);
}

TEST_F(ScriptSampleTest, LongitudeOneEightyIsTheDateLine) {
  Load("at 0 lon=180\n");
  At(0);
  const double lonUnits = static_cast<double>(area.GetSigned(0x056C, 4)) + area.GetUnsigned(0x0568, 4) / 4294967296.0;
  EXPECT_NEAR(lonUnits * 8.381903171539e-8, -180, 1e-9);
}

TEST_F(ScriptSampleTest, PositionAndAltitudeInSimulatorUnits) {
  Load("at 0 lat=-33.9461 lon=-118.4085 alt=1000 agl=900\n");
  At(0);
  const double latUnits = static_cast<double>(area.GetSigned(0x0564, 4)) + area.GetUnsigned(0x0560, 4) / 4294967296.0;
  const double lonUnits = static_cast<double>(area.GetSigned(0x056C, 4)) + area.GetUnsigned(0x0568, 4) / 4294967296.0;
  EXPECT_NEAR(latUnits * 8.9984275577e-6, -33.9461, 1e-9);
  EXPECT_NEAR(lonUnits * 8.381903171539e-8, -118.4085, 1e-9);
  const double metres = static_cast<double>(area.GetSigned(0x0574, 4)) + area.GetUnsigned(0x0570, 4) / 4294967296.0;
  EXPECT_NEAR(metres * 3.28084, 1000, 1e-6);
  EXPECT_EQ(area.GetSigned(0x0B4C, 2), 30);  // ground at 100 ft = 30.48 m
}

TEST_F(ScriptSampleTest, RawWritesRunOnceWhenTheirTimeComes) {
  Load("at 0 alt=10\nat 30 0x2F80:1=1\n");
  At(29);
  EXPECT_EQ(area.GetUnsigned(0x2F80, 1), 0u);
  At(30);
  EXPECT_EQ(area.GetUnsigned(0x2F80, 1), 1u);
  area.Set(0x2F80, 1, 0);  // a program writes it back
  At(40);
  EXPECT_EQ(area.GetUnsigned(0x2F80, 1), 0u);
}

TEST_F(ScriptSampleTest, TankLevelsFromTheOwnTankOrAllTanks) {
  Load("at 0 fuel=80 fuel_left_main=40\nat 100 fuel=60\n");
  EXPECT_EQ(script.TankPercentAt(5, 50), 40.0);
  EXPECT_EQ(script.TankPercentAt(0, 50), 70.0);
  At(50);
  EXPECT_EQ(area.GetSigned(0x0B7C, 4), 3355443);  // 40 % of 8388608, rounded
  EXPECT_EQ(area.GetSigned(0x0B74, 4), 5872026);  // 70 %
}

TEST(ExampleFlightTest, TheDocumentedExampleLoads) {
  const char* source = std::getenv("VX_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  std::ifstream in(std::string(source) + "/apps/fs-standin/example-flight.txt");
  std::ostringstream text;
  text << in.rdbuf();
  FlightScript script;
  std::string error;
  ASSERT_TRUE(FlightScript::Parse(text.str(), script, error)) << error;
  EXPECT_EQ(script.Duration(), 6360);  // 1:46:00
}

}  // namespace
}  // namespace vx::standin
