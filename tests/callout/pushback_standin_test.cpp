// A 35 m push of a running fs-standin's aircraft: the position moves and vexlorPB.cfg goes.
// The stand-in's clock stands still and is moved on with the test's virtual clock.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "callout/exp_link.h"
#include "callout/pushback_move.h"
#include "datafiles/pushback_file.h"
#include "exp_fixture.h"
#include "platform/standin_link.h"
#include "platform/timer_scheduler.h"
#include "support/standin_process.h"

namespace vx::callout {
namespace {

long long Get(const test::StandinProcess& standin, const char* offset) {
  return std::stoll(standin.Ctl({"get", offset, "4"}).out);
}

TEST(PushbackStandinTest, APushMovesTheAircraftAndTakesTheFile) {
  test::StandinProcess standin{{"--time-scale", "0"}};
  test::ExpProgram program;
  platform::StandinWindowFinder finder{standin.Folder(), standin.Prefix()};
  platform::StandinSimIpcClient sim{finder};
  platform::StandinSimFocus focus{sim};
  auto& exp = program.exp;
  exp.svc.sim = &sim;
  exp.svc.simWindows = &finder;
  exp.svc.simFocus = &focus;
  ASSERT_EQ(standin.Ctl({"set", "0x0564", "4", "3889445"}).exitCode, 0);  // about 35 N
  ASSERT_EQ(standin.Ctl({"set", "0x0580", "4", "0"}).exitCode, 0);        // facing north
  ASSERT_TRUE(ConnectSimulatorExp(exp));
  ReadHeadingAndPosition(exp);
  const int startHeading = exp.sim.HeadingDeg;  // magnetic

  state::ExpPushbackValues pb;
  pb.PushbackMode = 1;
  pb.PushbackDistance = 35;
  pb.PushbackSide = "右";
  pb.PushbackTurnMode = 1;
  pb.PushbackTurnAngle = 30;
  datafiles::WriteVexlorPbCfgFile(program.paths.Under("\\vexlorPB.cfg"), pb);
  exp.frame.PushbackFilePresent = -1;
  // The stand-in's time follows the program's, half a second at a time.
  const auto tick = program.timers.Create([&standin] { standin.Ctl({"advance", "0.5"}); });
  program.timers.SetInterval(tick, 500);
  program.timers.SetEnabled(tick, true);
  const long long latBefore = Get(standin, "0x0564");

  RunPushbackMove(exp);

  EXPECT_LT(Get(standin, "0x0564"), latBefore) << "pushed back, to the south";
  EXPECT_FALSE(program.paths.Exists("\\vexlorPB.cfg"));
  EXPECT_EQ(std::stoll(standin.Ctl({"get", "0x31F4", "4"}).out), 3);
  ReadHeadingAndPosition(exp);
  EXPECT_NEAR(exp.sim.HeadingDeg, (startHeading + 30) % 360, 2);
}

}  // namespace
}  // namespace vx::callout
