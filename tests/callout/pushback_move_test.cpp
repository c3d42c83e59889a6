// The pushback performer against the stand-in's simulator in this process, on virtual
// time: the pushback and slew writes, where the aircraft ends, and the file's end.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "callout/exp_link.h"
#include "callout/pushback_move.h"
#include "datafiles/pushback_file.h"
#include "exp_fixture.h"
#include "platform/timer_scheduler.h"
#include "simlink/common_helpers.h"
#include "support/standin_in_process.h"

namespace vx::callout {
namespace {

struct PushCase {
  const char* name;
  int mode;  // 1 the simulator's pushback, else a slew push
  int distance;
  const char* side;
  int turnMode, angle, fixed;
  int startHeading;
  double removeAfterSeconds;  // 0: the file stays
  std::vector<long long> pushbackStates;  // the 0x31F4 writes in order
  double minPushed, maxPushed;             // metres from the start
  int endLow, endHigh;                     // final magnetic heading
  double minSeconds, maxSeconds;           // how long the push took
  double straightMetres = 0;               // where the first stop came (0: not checked)
  bool wallClockJumps = false;             // the day ends, then the system time is set back
};

void PrintTo(const PushCase& c, std::ostream* os) { *os << c.name; }

class PushbackMoveTest : public ::testing::TestWithParam<PushCase>, public test::ExpProgram {
 protected:
  test::InProcessStandin standin{clock};
  PushbackMoveTest() {
    exp.svc.sim = &standin.client;
    exp.svc.simWindows = &standin.windows;
    exp.svc.simFocus = &standin.focus;
    auto& a = standin.simulator.Area();
    a.Set(0x02A0, 2, 0);  // no magnetic variation
    a.Set(0x0580, 4, static_cast<long long>(GetParam().startHeading / 360.0 * 4294967296.0));
    a.Set(0x0564, 4, static_cast<long long>(35.0 / 8.9984275577e-6));   // 35 N
    a.Set(0x056C, 4, static_cast<long long>(139.0 / 8.381903171539e-8));  // 139 E
  }
  std::vector<long long> Writes(int offset) const {
    std::vector<long long> out;
    char key[32];
    std::snprintf(key, sizeof key, "\"offset\":\"0x%04X\"", offset);
    for (const auto& line : standin.simulator.LogLines()) {
      if (line.find("\"kind\":\"write\"") == std::string::npos || line.find(key) == std::string::npos) continue;
      out.push_back(std::stoll(line.substr(line.find("\"value\":") + 8)));
    }
    return out;
  }
};

TEST_P(PushbackMoveTest, PushesTurnsAndDeletesTheFile) {
  const PushCase& c = GetParam();
  state::ExpPushbackValues pb;
  pb.pushbackOn = 1;
  pb.PushbackMode = static_cast<std::int16_t>(c.mode);
  pb.SlewStartByte = 5;
  pb.SlewTurnValue = 30;
  pb.SlewTurnByte = 3;
  pb.PushbackDistance = static_cast<std::int16_t>(c.distance);
  pb.PushbackSide = c.side;
  pb.PushbackTurnMode = static_cast<std::int16_t>(c.turnMode);
  pb.PushbackTurnAngle = static_cast<std::int16_t>(c.angle);
  pb.PushbackCompassWord = "北";
  pb.PushbackFixedHeading = static_cast<std::int16_t>(c.fixed);
  datafiles::WriteVexlorPbCfgFile(paths.Under("\\vexlorPB.cfg"), pb);
  ASSERT_TRUE(ConnectSimulatorExp(exp));
  exp.frame.PushbackFilePresent = -1;
  if (c.removeAfterSeconds > 0) {
    // The main program cancels: the file goes, and the file poll sees it.
    const auto id = timers.Create([this] {
      paths.DeleteIfExists("\\vexlorPB.cfg");
      exp.frame.PushbackFilePresent = 0;
    });
    timers.SetInterval(id, static_cast<int>(c.removeAfterSeconds * 1000));
    timers.SetEnabled(id, true);
  }
  if (c.wallClockJumps) {
    clock.SetWallClock({2026, 12, 10, 23, 59, 50, 0});
    pump.After(std::chrono::seconds(15), [this] { clock.SetWallClock({2026, 12, 11, 8, 0, 0, 0}); });
  }
  ReadHeadingAndPosition(exp);
  const double lat0 = exp.sim.LatitudeDeg, lon0 = exp.sim.LongitudeDeg;
  const auto t0 = clock.MonotonicNanos();

  RunPushbackMove(exp);

  const double seconds = (clock.MonotonicNanos() - t0) / 1e9;
  ReadHeadingAndPosition(exp);
  const double pushed = simlink::GreatCircleDistance(lat0, lon0, exp.sim.LatitudeDeg, exp.sim.LongitudeDeg);
  EXPECT_EQ(Writes(0x31F4), c.pushbackStates);
  if (c.straightMetres > 0) {
    // The stand-in's first "motion" line of a stop tells where the straight part ended.
    bool seen = false;
    for (const auto& line : standin.simulator.LogLines()) {
      if (line.find("\"kind\":\"motion\"") == std::string::npos || line.find("\"moving\":false") == std::string::npos) continue;
      const double north = std::stod(line.substr(line.find("\"north\":") + 8));
      const double east = std::stod(line.substr(line.find("\"east\":") + 7));
      EXPECT_NEAR(std::hypot(north, east), c.straightMetres, 2.0) << line;
      seen = true;
      break;
    }
    EXPECT_TRUE(seen);
  }
  EXPECT_GE(pushed, c.minPushed);
  EXPECT_LE(pushed, c.maxPushed);
  EXPECT_GE(exp.sim.HeadingDeg, c.endLow);
  EXPECT_LE(exp.sim.HeadingDeg, c.endHigh);
  EXPECT_GE(seconds, c.minSeconds);
  EXPECT_LE(seconds, c.maxSeconds);
  EXPECT_FALSE(paths.Exists("\\vexlorPB.cfg"));
  EXPECT_EQ(exp.frame.PushbackFilePresent, 0);
  if (c.mode != 1) {
    const auto slewMode = Writes(0x05DC);
    ASSERT_FALSE(slewMode.empty());
    EXPECT_EQ(slewMode.back(), 0) << "the slew push ends with slew mode off";
    EXPECT_EQ(Writes(0x05E8).back(), 16384);
  }
}

// Heading 10, 3 degrees a second and 1.5 m/s: 50 m take about 33 s, a 90 degree turn 30 s
// (45 m of arc, so 80 m first straight back ends some 83 m from the start).
INSTANTIATE_TEST_SUITE_P(
    Pushes, PushbackMoveTest,
    ::testing::Values(
        PushCase{"Sim80", 1, 80, "右", 1, 90, 0, 10, 0, {0, 3, 1, 3}, 75, 90, 99, 101, 55, 75, 50},
        PushCase{"Sim30TurnsAtOnce", 1, 30, "右", 1, 90, 0, 10, 0, {1, 3}, 10, 60, 99, 101, 25, 40},
        PushCase{"LeftNinetyFrom10", 1, 30, "左", 1, 90, 0, 10, 0, {2, 3}, 10, 60, 279, 280, 25, 40},
        PushCase{"TargetIsStartEndsAt30s", 1, 30, "右", 3, 0, 10, 10, 0, {1, 3}, 10, 60, 99, 101, 29.5, 31},
        PushCase{"TargetIsStartEndsAt30sAcrossMidnightAndAClockChange", 1, 30, "右", 3, 0, 10, 10, 0, {1, 3}, 10, 60,
                 99, 101, 29.5, 31, 0, true},
        PushCase{"SlewTargetIsStartEndsWhenTheFileGoes", 2, 5, "右", 3, 0, 10, 10, 150, {}, 0, 1000, 0, 359, 149.5, 151},
        PushCase{"Slew", 2, 40, "右", 1, 30, 0, 10, 0, {}, 40, 70, 39, 41, 80, 120},
        PushCase{"FileDeletedMidPush", 1, 80, "右", 1, 90, 0, 10, 10, {0, 3, 3}, 10, 20, 9, 11, 10, 12}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vx::callout
