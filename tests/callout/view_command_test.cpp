// The view step the main program orders through VEXLORPRO_VOL, against the stand-in's
// simulator in this process.
#include <gtest/gtest.h>

#include <cstdint>

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
