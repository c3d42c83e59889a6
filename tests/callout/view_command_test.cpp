// The view step the main program orders through VEXLORPRO_VOL, against the stand-in's
// simulator in this process.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "callout/callout_tick.h"
#include "callout/channel_commands.h"
#include "callout/exp_link.h"
#include "exp_fixture.h"
#include "simlink/channel_layout.h"
#include "simlink/channels.h"
#include "support/standin_in_process.h"

namespace vx::callout {
namespace {

class ViewCommandTest : public ::testing::Test, public test::ExpProgram {
 protected:
  test::InProcessStandin standin{clock};
  void SetUp() override {
    exp.svc.sim = &standin.client;
    exp.svc.simWindows = &standin.windows;
    exp.svc.simFocus = &standin.focus;
    exp.svc.keys = &standin.keys;
    ASSERT_TRUE(ConnectSimulatorExp(exp));
    ASSERT_TRUE(simlink::OpenVolChannel(exp.svc.sharedMemoryPrefix, exp.sim.vol));
    for (int i = 0; i < 6; ++i) exp.settings.ViewPresets[static_cast<std::size_t>(i)] = {"3", "20", "80", "190", "SE1"};
    auto& a = standin.simulator.Area();
    a.Set(0x0564, 4, static_cast<long long>(35.0 / 8.9984275577e-6));
    a.Set(0x056C, 4, static_cast<long long>(139.0 / 8.381903171539e-8));
    a.Set(0x0B4C, 2, 0);
  }
  // The main program asks for a step; the quiet word is set after the call-out program read
  // the record and before it answers.
  void Order() {
    exp.sim.VolRecord = {0, kViewStepCommand, 0};
    ASSERT_TRUE(simlink::WriteVolChannel({1, kViewStepCommand, 0}, exp.sim.vol));
    HandleViewCommand(exp);
    state::VolChannelRecord now;
    simlink::ReadVolChannel(now, exp.sim.vol);
    EXPECT_EQ(now, (state::VolChannelRecord{1, kViewStepTaken, 0})) << "only the command word answered";
  }
};

TEST_F(ViewCommandTest, StepsThePresetsByHeight) {
  struct Case {
    std::int32_t heightFt;
    std::int16_t from, to;
  };
  for (const Case& c : {Case{500, 5, 0}, Case{500, 0, 1}, Case{3000, 0, 2}, Case{3000, 2, 3}, Case{3000, 4, 2}}) {
    exp.sim.HeightAglFt = c.heightFt;
    exp.view.eye.CurrentViewPreset = c.from;
    Order();
    EXPECT_EQ(exp.view.eye.CurrentViewPreset, c.to) << c.heightFt << " ft from " << c.from;
  }
}

TEST_F(ViewCommandTest, TowerViews) {
  // On the ground: preset 4 at its stored eye point.
  exp.view.PresetEyePoints[4] = {0, 3945134, 0, 1667282443, 123, 64};
  exp.sim.HeightAglFt = 0;
  exp.view.eye.CurrentViewPreset = 3;
  Order();
  EXPECT_EQ(exp.view.eye.CurrentViewPreset, 4);
  EXPECT_EQ(standin.simulator.Area().GetSigned(0x0D64, 4), 123);
  EXPECT_EQ(standin.simulator.Area().GetSigned(0x0D54, 4), 3945134);
  // In the air from preset 3: the tower 1500 m ahead at the height above ground.
  exp.sim.HeightAglFt = 3000;
  exp.view.eye.CurrentViewPreset = 3;
  Order();
  EXPECT_EQ(exp.view.eye.CurrentViewPreset, 4);
  EXPECT_EQ(standin.simulator.Area().GetSigned(0x0D64, 4), 914);
}

TEST_F(ViewCommandTest, OtherCommandWordsAreLeftAlone) {
  exp.sim.VolRecord = {0, 72, 0};
  ASSERT_TRUE(simlink::WriteVolChannel({0, 72, 0}, exp.sim.vol));
  exp.view.eye.CurrentViewPreset = 2;
  HandleViewCommand(exp);
  state::VolChannelRecord now;
  simlink::ReadVolChannel(now, exp.sim.vol);
  EXPECT_EQ(now.VolCommandCode, 72);
  EXPECT_EQ(exp.view.eye.CurrentViewPreset, 2);
}

}  // namespace
}  // namespace vx::callout

// The eye points the start-up and the touchdown place, read back as where they are.
namespace vx::callout {
namespace {

constexpr double kTwo32 = 4294967296.0;

struct EyeSpot {
  double northM, eastM;  // from the aircraft
  std::int32_t altitudeM;
  std::int16_t zoom;
};

EyeSpot Where(const state::TowerEyePointRecord& e, double lat0, double lon0) {
  const double lat = (e.latitudeHigh + static_cast<std::uint32_t>(e.latitudeLow) / kTwo32) * 8.9984275577e-6;
  const double lon = (e.longitudeHigh + static_cast<std::uint32_t>(e.longitudeLow) / kTwo32) * 8.381903171539e-8;
  constexpr double kPi = 3.14159265358979323846;
  const double metresPerDegree = 6371000.0 * kPi / 180.0;
  return {(lat - lat0) * metresPerDegree, (lon - lon0) * metresPerDegree * std::cos(lat0 * kPi / 180.0), e.altitudeM,
          e.zoom};
}

class EyePointPlacementTest : public ViewCommandTest {
 protected:
  void SetUp() override {
    ViewCommandTest::SetUp();
    auto& a = standin.simulator.Area();
    a.Set(0x0580, 4, static_cast<long long>(90.0 / 360.0 * kTwo32));  // heading east
    a.Set(0x0B4C, 2, 12);                                               // ground 12 m
    a.Set(0x8320, 1, 1);                                                // cockpit view
    exp.engine.MakeWindowTopmost = [this] { ++topmost; };
  }
  int topmost = 0;
  static constexpr double kLat = 35.0, kLon = 139.0;
};

TEST_F(EyePointPlacementTest, StartUpPlacesEachPresetsEyePointAndWritesTheDoorViewWithoutSwitching) {
  auto& p = exp.settings.ViewPresets;
  p[0] = {"3", "100", "80", "0", "0"};      // ahead
  p[1] = {"4", "20", "50", "190", "SE1"};   // the boarding door
  p[2] = {"5", "100", "100", "90", "SE2"};  // to the right: south
  p[3] = {"6", "100", "80", "180", "5"};    // behind: west
  p[4] = {"7", "200", "80", "270", ""};     // to the left: north
  p[5] = {"x", "100", "80", "0", ""};       // not a number: left as it was
  exp.view.PresetEyePoints[5] = {1, 2, 3, 4, 5, 6};

  callout::InitCallOutWindow(exp);

  EXPECT_EQ(topmost, 1);
  EXPECT_EQ(exp.view.eye.CurrentViewPreset, 1);
  EXPECT_EQ(exp.callout.FlightPhase, 0);
  const auto& a = standin.simulator.Area();
  EXPECT_EQ(a.GetUnsigned(0x8320, 1), 1u) << "the view stays";
  EXPECT_EQ(a.GetSigned(0x8340, 4), 20 * 256);
  EXPECT_EQ(a.GetSigned(0x8348, 4), 4 * 256);
  EXPECT_EQ(a.GetUnsigned(0x833C, 2), 34588u);  // 190 degrees
  EXPECT_EQ(a.GetUnsigned(0x8334, 2), 32u);     // 50 %
  EXPECT_EQ(a.GetUnsigned(0x8345, 1), 1u);

  struct Want {
    double north, east;
    std::int32_t altitude;
    std::int16_t zoom;
  };
  const Want want[] = {{0, 100, 15, 51}, {3.5, -19.7, 16, 32}, {-100, 0, 17, 64}, {0, -100, 18, 51}, {200, 0, 19, 51}};
  for (std::size_t i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    const EyeSpot s = Where(exp.view.PresetEyePoints[i], kLat, kLon);
    EXPECT_NEAR(s.northM, want[i].north, 1.0);
    EXPECT_NEAR(s.eastM, want[i].east, 1.0);
    EXPECT_EQ(s.altitudeM, want[i].altitude);
    EXPECT_EQ(s.zoom, want[i].zoom);
  }
  EXPECT_EQ(exp.view.PresetEyePoints[5], (state::TowerEyePointRecord{1, 2, 3, 4, 5, 6}));
}

TEST_F(EyePointPlacementTest, TouchdownMovesBothTowerViewsToTheLandingPlace) {
  exp.sim.OnGroundWord = 1;
  exp.callout.TouchdownLatched = 0;
  DetectTouchdown(exp);
  EXPECT_EQ(exp.callout.LandedOnce, -1);
  // Tower 1: on the ground, 100 m off at 30 degrees right of the heading (east-south-east).
  const EyeSpot t1 = Where(exp.view.PresetEyePoints[4], kLat, kLon);
  EXPECT_NEAR(t1.northM, -50.0, 1.0);
  EXPECT_NEAR(t1.eastM, 86.6, 1.0);
  EXPECT_EQ(t1.altitudeM, 12);
  EXPECT_EQ(t1.zoom, 51);
  // Tower 2: 5 m up, 100 m behind.
  const EyeSpot t2 = Where(exp.view.PresetEyePoints[5], kLat, kLon);
  EXPECT_NEAR(t2.northM, 0.0, 1.0);
  EXPECT_NEAR(t2.eastM, -100.0, 1.0);
  EXPECT_EQ(t2.altitudeM, 17);
  // A view step on the ground from preset 3 shows tower 1 there.
  exp.sim.HeightAglFt = 0;
  exp.view.eye.CurrentViewPreset = 3;
  Order();
  const auto& a = standin.simulator.Area();
  EXPECT_EQ(a.GetSigned(0x0D54, 4), exp.view.PresetEyePoints[4].latitudeHigh);
  EXPECT_EQ(a.GetSigned(0x0D5C, 4), exp.view.PresetEyePoints[4].longitudeHigh);
  EXPECT_EQ(a.GetSigned(0x0D64, 4), 12);
  EXPECT_EQ(a.GetUnsigned(0x8320, 1), 3u);
  // A bounce below 100 ft places nothing again.
  exp.view.PresetEyePoints[4] = {};
  DetectTouchdown(exp);
  EXPECT_EQ(exp.view.PresetEyePoints[4], state::TowerEyePointRecord{});
}

}  // namespace
}  // namespace vx::callout
