#include "simlink/simulator_link.h"

#include <gtest/gtest.h>

#include "platform/key_hook.h"
#include "platform/sim_ipc_client.h"
#include "platform/virtual_time.h"
#include "simlink/auto_pause_notice.h"
#include "state/pro_context.h"
#include "ui/message_box.h"

namespace vx::simlink {
namespace {

class CountingNotice final : public AutoPauseNotice {
 public:
  void ShowTopmost() override { ++shown; }
  int shown = 0;
};

class SimulatorLinkTest : public ::testing::Test {
 protected:
  SimulatorLinkTest() {
    pro.svc.clock = &clock;
    pro.svc.pump = &pump;
    pro.svc.sim = &client;
    pro.svc.simWindows = &finder;
    pro.svc.keyHook = &hook;
    pro.boxes = &boxes;
    pro.sim.autoPauseNotice = &notice;
    boxes.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
  }
  void ConnectFs98() {
    finder.windows["FS98MAIN"] = 77;
    ASSERT_TRUE(ConnectSimulator(pro));
  }
  // A parked airliner in light rain at about 3281 ft.
  void SetWeatherAndFuel() {
    area.Set(0x0574, 4, 1000);        // 1000 m
    area.Set(0x0570, 4, 0x80000000);  // and a half
    area.Set(0x0AF4, 2, 1715);
    area.Set(0x0B7C, 4, 4194304);     // left main 50 % of 6000
    area.Set(0x0B80, 4, 6000);
    area.Set(0x0B94, 4, 8388607);     // right main full
    area.Set(0x0B98, 4, 6000);
    area.Set(0x0E9A, 2, 8000), area.Set(0x0E9C, 2, 7000), area.Set(0x0E9E, 2, 0x4000);
    area.Set(0x0EA2, 2, 1524), area.Set(0x0EA4, 2, 1000), area.Set(0x0EA6, 2, 0xFFFF);
    area.Set(0x0EC6, 2, 16200);       // 1012.5 hPa
    area.Set(0x11D0, 2, 3840);        // 15 C
    area.Set(0x04C8, 2, -256);        // -1 C
    area.Set(0x0E90, 2, 14);
    area.Set(0x0E92, 2, 0xC000);      // 270 degrees
    area.Set(0x0ECA, 2, 600), area.Set(0x0ED2, 2, 10);   // surface band to 1969 ft
    area.Set(0x0ED6, 2, 3000), area.Set(0x0ED8, 2, 600), area.Set(0x0EDE, 2, 20);  // lower band
    area.Set(0x0EF4, 2, 40);          // upper band (top 0)
    area.Set(0x04CB, 1, 2);
    area.Set(0x04CC, 1, 1);
    area.Set(0x3BFC, 4, 300000 * 256);
  }

  platform::VirtualClock clock{{2024, 5, 1, 9, 30, 0, 0}};
  platform::TimerScheduler timers{clock};
  platform::VirtualEventPump pump{clock, timers};
  platform::SimVariableArea area;
  platform::InProcessSimIpcClient client{area};
  platform::InProcessSimWindowFinder finder;
  platform::RecordingKeyHook hook;
  ui::ScriptedMessageBoxes boxes;
  CountingNotice notice;
  state::ProContext pro;
};

TEST_F(SimulatorLinkTest, Fs98WindowFillsTheTableAndStartsTheLink) {
  ConnectFs98();
  EXPECT_EQ(pro.sim.SimWindow, 77);
  EXPECT_EQ(pro.sim.SimKind, "FS98");
  EXPECT_EQ(pro.sim.SimVarTable, state::kFs98SimVarTable);
  EXPECT_EQ(finder.lookups, (std::vector<std::string>{"FS6MAIN", "FS98MAIN"}));
  EXPECT_EQ(client.startedWindows, std::vector<std::int64_t>{77});
}

TEST_F(SimulatorLinkTest, Fs6WindowWinsAndLeavesTheTableEmpty) {
  finder.windows["FS6MAIN"] = 66;
  finder.windows["FS98MAIN"] = 77;
  ASSERT_TRUE(ConnectSimulator(pro));
  EXPECT_EQ(pro.sim.SimWindow, 66);
  EXPECT_EQ(pro.sim.SimKind, "FS6");
  EXPECT_EQ(pro.sim.SimVarTable, state::SimVarPairs{});
  EXPECT_EQ(finder.lookups.size(), 2u);  // both look-ups always run

  // Every entry is (0, 0): the read carries nothing and the raw values stay.
  SetWeatherAndFuel();
  ReadSimulatorState(pro);
  EXPECT_EQ(pro.sim.SimRawValues.Get(state::SimVar::Temperature), 0);
  EXPECT_EQ(pro.sim.AircraftAltitudeFt, 0);
}

TEST_F(SimulatorLinkTest, NoSimulatorWindowChangesNothing) {
  EXPECT_FALSE(ConnectSimulator(pro));
  EXPECT_EQ(pro.sim.SimWindow, 0);
  EXPECT_TRUE(client.startedWindows.empty());
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SimulatorLinkTest, FailedStartShowsTheErrorStopsAndEndsTheProgram) {
  finder.windows["FS98MAIN"] = 77;
  client.refuseStart = true;
  boxes.Expect("VexlorPro", ui::Answer::Ok, "FS IPC ERROR  (CODE : 001)");
  EXPECT_THROW(ConnectSimulator(pro), platform::ProgramEnding);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "FS IPC ERROR  (CODE : 001)");
  EXPECT_EQ(boxes.shown[0].icon, ui::Icon::Critical);
  EXPECT_EQ(client.stops, 1);
  EXPECT_TRUE(pump.Ended());
}

// Following the link: nothing before it has been up; its loss once; a new start at once
// and then every two seconds, a refused one silently; up again when a start succeeds,
// with whatever window is found then.
TEST_F(SimulatorLinkTest, FollowingTheLinkTellsALossOnceAndStartsItAgain) {
  SimLinkTarget target = ProSimLinkTarget(pro);
  EXPECT_EQ(FollowSimulatorLink(target, clock), SimLinkChange::None) << "never up";
  EXPECT_TRUE(finder.lookups.empty());

  ConnectFs98();
  EXPECT_EQ(FollowSimulatorLink(target, clock), SimLinkChange::None);
  client.dead = true;
  EXPECT_EQ(FollowSimulatorLink(target, clock), SimLinkChange::Lost);
  const auto starts = [this] { return client.startedWindows.size(); };
  EXPECT_EQ(FollowSimulatorLink(target, clock), SimLinkChange::None);
  EXPECT_EQ(starts(), 2u) << "tried again at once (the simulator refuses while gone)";
  for (int ms = 100; ms < 2000; ms += 100) {
    pump.RunFor(std::chrono::milliseconds(100));
    EXPECT_EQ(FollowSimulatorLink(target, clock), SimLinkChange::None);
  }
  EXPECT_EQ(starts(), 2u) << "not before two seconds have passed";

  client.dead = false;
  finder.windows.clear();
  finder.windows["FS6MAIN"] = 66;
  pump.RunFor(std::chrono::milliseconds(100));
  EXPECT_EQ(FollowSimulatorLink(target, clock), SimLinkChange::Back);
  EXPECT_EQ(pro.sim.SimWindow, 66);
  EXPECT_EQ(pro.sim.SimKind, "FS6");
  EXPECT_EQ(pro.sim.SimVarTable, state::kFs98SimVarTable) << "the table the program has filled stays";
  EXPECT_EQ(FollowSimulatorLink(target, clock), SimLinkChange::None);
  EXPECT_TRUE(boxes.shown.empty()) << "the program tells the loss, not the link";
}

TEST_F(SimulatorLinkTest, ReadDerivesEveryValue) {
  ConnectFs98();
  SetWeatherAndFuel();
  ReadSimulatorState(pro);
  const state::SimState& s = pro.sim;
  EXPECT_EQ(s.AircraftAltitudeFt, 3282);  // 1000.5 m = 3282.48 ft, truncated
  EXPECT_EQ(s.QnhInHg, 2988);
  EXPECT_EQ(s.FuelWeightPerGallon, 1715);
  EXPECT_EQ(s.TankFuel[state::kLeftMain], (state::TankFuelRecord{50, 6000, 3000, 20098}));
  EXPECT_EQ(s.TankFuel[state::kRightMain], (state::TankFuelRecord{100, 6000, 6000, 40195}));
  EXPECT_EQ(s.FuelTotals.totalGallons, 9000);
  EXPECT_EQ(s.FuelTotals.totalCapacity, 12000);
  EXPECT_EQ(s.FuelTotals.totalPercent, 75);
  EXPECT_EQ(s.FuelTotals.FuelTotalLbs, 20098 + 40195);
  EXPECT_EQ(s.CloudLayers.high, (state::CloudLayer{26247, 22966, 2}));
  EXPECT_EQ(s.CloudLayers.low, (state::CloudLayer{5000, 3281, 8}));
  EXPECT_EQ(s.CloudLayers.storm, (state::CloudLayer{0, 0, 0}));
  EXPECT_EQ(s.OutsideTemperature, 15);
  EXPECT_EQ(s.DewPoint, -1);
  EXPECT_EQ(s.WindAtAircraft, (state::WindReading{270, 14}));
  EXPECT_EQ(s.WindTurbulence, 20);  // 3282 ft lies in the lower band
  EXPECT_EQ(s.PrecipitationRate, 2);
  EXPECT_EQ(s.PrecipitationType, 1);
  EXPECT_EQ(s.ZeroFuelWeightLbs, 300000);
  EXPECT_EQ(s.SimRawValues.Get(state::SimVar::Qnh), 16200);
}

TEST_F(SimulatorLinkTest, KeyHookIsOffDuringTheBatchOnly) {
  ConnectFs98();
  hook.enabled = true;
  bool offDuringSend = false;
  client.onSend = [&] { offDuringSend = !hook.enabled; };
  ReadSimulatorState(pro);
  EXPECT_TRUE(offDuringSend);
  EXPECT_EQ(hook.calls, (std::vector<std::string>{"Disable", "Enable"}));
  EXPECT_TRUE(hook.enabled);
  EXPECT_EQ(client.batches, 1);
}

TEST_F(SimulatorLinkTest, FailedRequestKeepsTheRawValuesAndThePreviousCover) {
  ConnectFs98();
  SetWeatherAndFuel();
  ReadSimulatorState(pro);
  client.dead = true;
  area.Set(0x11D0, 2, 0);
  ReadSimulatorState(pro);
  EXPECT_EQ(pro.sim.OutsideTemperature, 15);
  EXPECT_EQ(pro.sim.FuelTotals.totalGallons, 9000);

  client.dead = false;
  area.Set(0x0EA6, 2, 0x1000);  // not a cover code
  ReadSimulatorState(pro);
  EXPECT_EQ(pro.sim.CloudLayers.low.cover, 8);
  EXPECT_EQ(pro.sim.OutsideTemperature, 0);
}

TEST_F(SimulatorLinkTest, PauseWritesOneAndShowsTheNotice) {
  ConnectFs98();
  PauseSimulator(pro);
  EXPECT_EQ(area.GetSigned(0x0262, 2), 1);
  EXPECT_EQ(notice.shown, 1);
  ResumeSimulator(pro);
  EXPECT_EQ(area.GetSigned(0x0262, 2), 0);
  EXPECT_EQ(client.writes, (std::vector<platform::InProcessSimIpcClient::Write>{{0x0262, 2, 1}, {0x0262, 2, 0}}));
}

TEST_F(SimulatorLinkTest, ChangedTankLevelsWrittenThroughTheTable) {
  ConnectFs98();
  pro.sim.SimRawValues.Set(state::TankLevel(state::kLeftMain), 4194304);
  pro.sim.SimRawValues.Set(state::TankLevel(state::kCentre1), 8388608);
  WriteSimVars(pro, {state::TankLevel(state::kLeftMain), state::TankLevel(state::kCentre1)});
  EXPECT_EQ(area.GetSigned(0x0B7C, 4), 4194304);
  EXPECT_EQ(area.GetSigned(0x0B74, 4), 8388608);
  EXPECT_EQ(client.batches, 1);
}

}  // namespace
}  // namespace vx::simlink
