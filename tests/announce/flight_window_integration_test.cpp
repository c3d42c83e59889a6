// The real flight window on the offscreen window system, the real clock and event pump,
// SDL sound, against a running fs-standin: the flight starts, a request is served on the
// next heartbeat, and the flight ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "announce/group_table.h"
#include "announce/sound_slots.h"
#include "simlink/channels.h"
#include "simlink/simulator_link.h"
#include "support/real_flight_program.h"
#include "support/standin_process.h"
#include "support/temp_dir.h"

namespace vx::announce {
namespace {

using namespace std::chrono_literals;

// One application object for the process, kept to its end (the window system's own
// objects go first at exit).
QApplication& App() {
  static int argc = 1;
  static char name[] = "flight_window_integration_test";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

TEST(FlightWindowIntegration, AgainstTheStandInTheHeartbeatServesEachRequestOnItsNextTick) {
  App();
  test::StandinProcess standin({"--start", "2024-05-01 09:30:00"});
  ASSERT_TRUE(standin.Running());
  test::TempDir base;
  test::RealFlightProgram program(standin, base.Path());
  auto& pro = program.pro;
  auto& e = pro.engine;
  program.boxes.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };

  program.window->OpenFlightWindow();
  ASSERT_TRUE(program.window->Loaded());
  EXPECT_TRUE(e.FlightWindowReady);
  EXPECT_EQ(pro.sim.SimWindow, standin.Pid());
  EXPECT_TRUE(program.window->Timer2.Running());
  EXPECT_TRUE(program.tob.Loaded()) << "the briefing sheet of a fresh flight";
  EXPECT_TRUE(base.ReadBytes("vexlorEXP.cfg").size() > 0);

  // A request on the ground: served by the next heartbeat. Its group (the take-off
  // briefing, whose timed rows take a minute and a half) plays nothing here: groups run on
  // virtual time in their own tests.
  // The same for the in-flight groups that "next" runs below.
  GroupTable groups = BuiltInGroups();
  for (GroupId id : {GroupId::G1, GroupId::A1, GroupId::A2, GroupId::A3, GroupId::A4, GroupId::A5, GroupId::A6,
                     GroupId::A7, GroupId::A8, GroupId::A9})
    groups[static_cast<std::size_t>(id)].runner = nullptr;
  e.groupTable = groups.data();
  e.AnnounceRequest = 11;
  auto t0 = program.clock.MonotonicNanos();
  ASSERT_TRUE(program.RunUntil([&] { return e.AnnounceRequest == 0; }, 3000ms));
  EXPECT_LT(program.clock.MonotonicNanos() - t0, 1'000'000'000);
  EXPECT_EQ(pro.flight.GroundStep, 2);

  // The call-out program's flight data record says the aircraft climbs: "next" runs the
  // first in-flight step and saves the flight for a resume.
  state::FlightDataRecord record;
  record.heightAboveGroundFt = 3000;
  record.altitudeFt = 3200;
  ASSERT_TRUE(simlink::WriteDataChannel(record, pro.sim.ChannelHandles.data));
  e.AnnounceRequest = 20;
  t0 = program.clock.MonotonicNanos();
  ASSERT_TRUE(program.RunUntil([&] { return e.AnnounceRequest == 0; }, 3000ms));
  EXPECT_LT(program.clock.MonotonicNanos() - t0, 1'000'000'000);
  EXPECT_EQ(pro.sim.HeightAboveGround, 3000);
  EXPECT_EQ(pro.flight.AirStep, 3);
  EXPECT_TRUE(std::filesystem::exists(base.Path() / "FlightRestart.cfg"));

  // The landing signal file of the call-out program, back on the ground.
  record.heightAboveGroundFt = 0;
  simlink::WriteDataChannel(record, pro.sim.ChannelHandles.data);
  base.WriteBytes("vexlorLND.cfg", ";\r\n");
  ASSERT_TRUE(program.RunUntil([&] { return pro.flight.GroundStep == 6; }, 3000ms));
  EXPECT_FALSE(std::filesystem::exists(base.Path() / "vexlorLND.cfg"));

  program.window->buttonExit.PerformClick();
  EXPECT_FALSE(program.window->Loaded());
  EXPECT_FALSE(std::filesystem::exists(base.Path() / "vexlorEXP.cfg"));
  EXPECT_FALSE(program.cabin.Loaded());
  EXPECT_TRUE(e.FlightWindowClosed);
  EXPECT_TRUE(program.boxes.shown.empty());
}

// The stand-in is killed mid-flight: the flight window tells it once over many heartbeats;
// a stand-in started again on the same socket is taken up, and its values are read.
TEST(FlightWindowIntegration, ALostStandInIsToldOnceAndOneOnTheSameSocketIsTakenUp) {
  App();
  test::TempDir folders;
  test::StandinProcess first(folders.Path() / "sim", "again_", {"--start", "2024-05-01 09:30:00"});
  test::TempDir base;
  test::RealFlightProgram program(first, base.Path());
  auto& pro = program.pro;
  program.boxes.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
  program.window->OpenFlightWindow();
  ASSERT_TRUE(program.window->Loaded());
  ASSERT_EQ(pro.sim.SimWindow, first.Pid());
  program.RunUntil([] { return false; }, 600ms);

  first.Kill();
  program.boxes.Expect("VexlorPro", ui::Answer::Ok, "ＦＳが実行されていません");
  program.RunUntil([] { return false; }, 3000ms);
  ASSERT_EQ(program.boxes.shown.size(), 1u) << "once, not on every heartbeat";
  EXPECT_EQ(program.boxes.shown[0].text, "ＦＳが実行されていません");

  test::StandinProcess second(folders.Path() / "sim", "again_", {"--start", "2024-05-01 11:00:00"});
  ASSERT_EQ(second.Ctl({"set", "0x11D0", "2", "5376"}).exitCode, 0);  // 21 C
  ASSERT_TRUE(program.RunUntil([&] { return pro.sim.SimWindow == second.Pid(); }, 5000ms));
  simlink::ReadSimulatorState(pro);
  EXPECT_EQ(pro.sim.OutsideTemperature, 21);
  EXPECT_EQ(pro.sim.SimRawValues.Get(state::SimVar::Temperature), 5376);

  program.window->buttonExit.PerformClick();
  EXPECT_EQ(program.boxes.shown.size(), 1u);
}

}  // namespace
}  // namespace vx::announce
