// The main program's simulator link against a running fs-standin.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/key_hook.h"
#include "platform/standin_link.h"
#include "platform/virtual_time.h"
#include "simlink/simulator_link.h"
#include "state/pro_context.h"
#include "support/standin_process.h"
#include "support/temp_dir.h"
#include "ui/message_box.h"

namespace vx::simlink {
namespace {

using test::StandinProcess;

class StandinFixture {
 public:
  explicit StandinFixture(const StandinProcess& standin) : finder(standin.Folder(), standin.Prefix()), client(finder) {
    pro.svc.clock = &clock;
    pro.svc.pump = &pump;
    pro.svc.sim = &client;
    pro.svc.simWindows = &finder;
    pro.svc.keyHook = &hook;
    pro.boxes = &boxes;
    boxes.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
  }
  platform::VirtualClock clock{{2024, 5, 1, 9, 30, 0, 0}};
  platform::TimerScheduler timers{clock};
  platform::VirtualEventPump pump{clock, timers};
  platform::StandinWindowFinder finder;
  platform::StandinSimIpcClient client;
  platform::RecordingKeyHook hook;
  ui::ScriptedMessageBoxes boxes;
  state::ProContext pro;
};

void Set(const StandinProcess& standin, const char* offset, const char* size, const char* value) {
  const test::CommandResult r = standin.Ctl({"set", offset, size, value});
  ASSERT_EQ(r.exitCode, 0) << offset << ": " << r.err;
}

TEST(SimlinkIntegrationTest, ReadsKnownValuesAndSurvivesTheSimulatorDying) {
  StandinProcess standin({"--start", "2024-05-01 09:30:00", "--time-scale", "0"});
  Set(standin, "0x0574", "4", "10668");  // 35000 ft
  Set(standin, "0x0570", "4", "0");
  Set(standin, "0x0AF4", "2", "1715");
  Set(standin, "0x0B7C", "4", "4194304");
  Set(standin, "0x0B80", "4", "6000");
  Set(standin, "0x0B94", "4", "4194304");
  Set(standin, "0x0B98", "4", "6000");
  Set(standin, "0x0B74", "4", "8388607");
  Set(standin, "0x0B78", "4", "12000");
  Set(standin, "0x0EC6", "2", "16200");
  Set(standin, "0x11D0", "2", "-12800");  // -50 C
  Set(standin, "0x0E92", "2", "0xC000");
  Set(standin, "0x0E90", "2", "85");
  Set(standin, "0x0EA6", "2", "0x6000");
  Set(standin, "0x3BFC", "4", "76800000");

  StandinFixture f(standin);
  ASSERT_TRUE(ConnectSimulator(f.pro));
  EXPECT_EQ(f.pro.sim.SimKind, "FS98");
  ReadSimulatorState(f.pro);
  const state::SimState& s = f.pro.sim;
  EXPECT_EQ(s.AircraftAltitudeFt, 35000);  // 10668 m = 35000.001 ft, truncated
  EXPECT_EQ(s.QnhInHg, 2988);
  EXPECT_EQ(s.TankFuel[state::kLeftMain], (state::TankFuelRecord{50, 6000, 3000, 20098}));
  EXPECT_EQ(s.TankFuel[state::kCentre1], (state::TankFuelRecord{100, 12000, 12000, 80391}));
  EXPECT_EQ(s.FuelTotals.totalGallons, 18000);
  EXPECT_EQ(s.FuelTotals.totalPercent, 75);
  EXPECT_EQ(s.OutsideTemperature, -50);
  EXPECT_EQ(s.WindAtAircraft, (state::WindReading{270, 85}));
  EXPECT_EQ(s.CloudLayers.low.cover, 3);
  EXPECT_EQ(s.ZeroFuelWeightLbs, 300000);
  EXPECT_EQ(f.hook.calls, (std::vector<std::string>{"Disable", "Enable"}));

  // The flight goes on: a climb played at sixty times real time.
  test::TempDir dir;
  const auto script = dir.WriteBytes("climb.txt", "at 0 alt=35000 agl=34990\nat 60 alt=37000 agl=36990\n");
  ASSERT_EQ(standin.Ctl({"script", script.string()}).exitCode, 0);
  ASSERT_EQ(standin.Ctl({"scale", "60"}).exitCode, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  ReadSimulatorState(f.pro);
  EXPECT_GT(s.AircraftAltitudeFt, 35000);
  EXPECT_LE(s.AircraftAltitudeFt, 37000);

  // Mid-flight the simulator dies: the next read returns at once and changes nothing.
  const state::SimState before = [&] {
    state::SimState copy;
    copy.AircraftAltitudeFt = s.AircraftAltitudeFt;
    copy.TankFuel = s.TankFuel;
    copy.FuelTotals = s.FuelTotals;
    copy.WindAtAircraft = s.WindAtAircraft;
    copy.OutsideTemperature = s.OutsideTemperature;
    return copy;
  }();
  standin.Kill();
  const auto start = std::chrono::steady_clock::now();
  ReadSimulatorState(f.pro);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 2.0);
  EXPECT_EQ(s.AircraftAltitudeFt, before.AircraftAltitudeFt);
  EXPECT_EQ(s.TankFuel, before.TankFuel);
  EXPECT_EQ(s.FuelTotals, before.FuelTotals);
  EXPECT_EQ(s.WindAtAircraft, before.WindAtAircraft);
  EXPECT_EQ(s.OutsideTemperature, before.OutsideTemperature);
  EXPECT_TRUE(f.hook.enabled);
}

TEST(SimlinkIntegrationTest, HungSimulatorReturnsWithinTheTimeout) {
  StandinProcess standin({"--time-scale", "0"});
  Set(standin, "0x11D0", "2", "5120");  // 20 C
  StandinFixture f(standin);
  ASSERT_TRUE(ConnectSimulator(f.pro));
  ReadSimulatorState(f.pro);
  EXPECT_EQ(f.pro.sim.OutsideTemperature, 20);
  standin.Freeze();
  const auto start = std::chrono::steady_clock::now();
  ReadSimulatorState(f.pro);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  standin.Thaw();
  EXPECT_GE(seconds, 1.9);
  EXPECT_LT(seconds, 3.0);
  EXPECT_EQ(f.pro.sim.OutsideTemperature, 20);
}

TEST(SimlinkIntegrationTest, PauseAndTankWritesReachTheSimulator) {
  StandinProcess standin({"--time-scale", "0"});
  StandinFixture f(standin);
  ASSERT_TRUE(ConnectSimulator(f.pro));
  PauseSimulator(f.pro);
  EXPECT_EQ(standin.Ctl({"get", "0x0262", "2"}).out, "1\n");
  f.pro.sim.SimRawValues.Set(state::TankLevel(state::kRightMain), 2097152);
  WriteSimVars(f.pro, {state::TankLevel(state::kRightMain)});
  EXPECT_EQ(standin.Ctl({"get", "0x0B94", "4"}).out, "2097152\n");
  ReadSimulatorState(f.pro);
  EXPECT_EQ(f.pro.sim.TankFuel[state::kRightMain].percent, 25);
  const std::string log = standin.Ctl({"log"}).out;
  EXPECT_NE(log.find("\"offset\":\"0x0262\",\"size\":2,\"value\":1}"), std::string::npos) << log;
  EXPECT_NE(log.find("\"offset\":\"0x0B94\",\"size\":4,\"value\":2097152}"), std::string::npos) << log;
}

TEST(SimlinkIntegrationTest, Fs6StandinConnectsWithAnEmptyTable) {
  StandinProcess standin({"--class", "FS6MAIN"});
  StandinFixture f(standin);
  ASSERT_TRUE(ConnectSimulator(f.pro));
  EXPECT_EQ(f.pro.sim.SimKind, "FS6");
  EXPECT_EQ(f.pro.sim.SimWindow, standin.Pid());
  ReadSimulatorState(f.pro);
  EXPECT_EQ(f.pro.sim.SimRawValues.Get(state::SimVar::Temperature), 0);
}

TEST(SimlinkIntegrationTest, RefusedLinkStartEndsTheProgram) {
  StandinProcess standin({"--refuse-start"});
  StandinFixture f(standin);
  f.boxes.Expect("VexlorPro", ui::Answer::Ok, "FS IPC ERROR  (CODE : 001)");
  EXPECT_THROW(ConnectSimulator(f.pro), platform::ProgramEnding);
  EXPECT_TRUE(f.pump.Ended());
}

TEST(SimlinkIntegrationTest, NoSimulatorRunning) {
  test::TempDir dir;
  platform::StandinWindowFinder finder(dir.Path(), "");
  platform::StandinSimIpcClient client(finder);
  state::ProContext pro;
  pro.svc.sim = &client;
  pro.svc.simWindows = &finder;
  EXPECT_FALSE(ConnectSimulator(pro));
  EXPECT_EQ(pro.sim.SimWindow, 0);
}

}  // namespace
}  // namespace vx::simlink
