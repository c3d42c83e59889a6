#include "briefing/frm_fuel_tank.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "platform/key_injector.h"
#include "platform/sim_ipc_client.h"
#include "simlink/simulator_link.h"
#include "state/pro_context.h"
#include "ui/ui_test_env.h"

namespace vx::briefing {
namespace {

using Write = platform::InProcessSimIpcClient::Write;

// The simulator holds the left main tank half full of 3,000 gallons at 1715 / 256 lbs per
// gallon, the left aux tank full of 100 gallons, every other tank of no capacity.
class FrmFuelTankTest : public ::testing::Test {
 protected:
  FrmFuelTankTest() {
    pro.svc.clock = &ui.clock;
    pro.svc.pump = &ui.pump;
    pro.svc.sim = &client;
    pro.svc.keys = &keys;
    pro.boxes = &ui.boxes;
    pro.sim.SimVarTable = state::kFs98SimVarTable;
    client.Start(1, simlink::kSimLinkAreaSize, simlink::kSimLinkTimeoutMs);
    area.Set(0x0AF4, 2, 1715);
    area.Set(0x0B7C, 4, 4194304);
    area.Set(0x0B80, 4, 3000);
    area.Set(0x0B84, 4, 8388608);
    area.Set(0x0B88, 4, 100);
    simlink::ReadSimulatorState(pro);
    sheet.ShowTobFuel = [this] { refreshedPercent.push_back(pro.sim.FuelTotals.totalPercent); };
  }

  ui::test::UiTestEnv ui;
  platform::SimVariableArea area;
  platform::InProcessSimIpcClient client{area};
  platform::RecordingKeyInjector keys;
  state::ProContext pro;
  TobSheetCalls sheet;
  std::vector<std::int32_t> refreshedPercent;
  FrmFuelTank form{ui.env, pro, sheet};
};

TEST_F(FrmFuelTankTest, OpensFilledWithEmptyTanksDisabledAndNoMessage) {
  form.Show();
  EXPECT_EQ(form.Caption(), "燃料　詳細設定");
  EXPECT_EQ(form.tbxLbsGall.Text(), "6.6992");
  EXPECT_EQ(form.tbxPer(0).Text(), "50");
  EXPECT_EQ(form.tbxLbs(0).Text(), "10,049");
  EXPECT_EQ(form.tbxLbsMax(0).Text(), "20,098");
  EXPECT_EQ(form.tbxGall(0).Text(), "1,500");
  EXPECT_EQ(form.tbxGallMax(0).Text(), "3,000");
  EXPECT_EQ(form.tbxGall(11).Text(), "1,600");
  EXPECT_EQ(form.fuel.FuelFormReady, 1);
  EXPECT_TRUE(form.tbxPer(1).Enabled());
  for (int row = 2; row < kFuelTotalRow; ++row) {
    EXPECT_FALSE(form.tbxPer(row).Enabled()) << row;
    EXPECT_FALSE(form.Label_Fuel(row).Enabled()) << row;
    EXPECT_EQ(form.tbxGall(row).BackColor(), ui::Colour::Rgb(192, 192, 192)) << row;
  }
  EXPECT_EQ(form.tbxGallMax(11).ForeColor(), ui::Colour::Rgb(0, 0, 255));
  EXPECT_TRUE(ui.boxes.shown.empty());
  form.Unload();
}

TEST_F(FrmFuelTankTest, TabRunsThroughThePercentsThenPoundsAndGallonsWithOkAfterRow7) {
  form.Show();
  const auto next = [](ui::Control& c) { return c.Widget()->nextInFocusChain(); };
  EXPECT_EQ(next(form.tbxPer(0)), form.tbxPer(1).Widget());
  EXPECT_EQ(next(form.tbxPer(10)), form.tbxLbs(0).Widget());
  EXPECT_EQ(next(form.tbxLbs(0)), form.tbxGall(0).Widget());
  EXPECT_EQ(next(form.tbxGall(0)), form.tbxLbs(1).Widget());
  EXPECT_EQ(next(form.tbxGall(7)), form.buttonOK.Widget());
  EXPECT_EQ(next(form.buttonOK), form.tbxLbs(8).Widget());
  form.Unload();
}

TEST_F(FrmFuelTankTest, ClosedByItsFrameWritesTheChangedTankInOneRequestAndRefreshesTheSheet) {
  form.Show();
  const int batchesBefore = client.batches;
  form.tbxPer(0).SetText("75");
  EXPECT_EQ(form.tbxGall(0).Text(), "2,250");
  EXPECT_EQ(form.tbxLbs(0).Text(), "15,074");
  EXPECT_EQ(form.tbxPer(11).Text(), "76");  // 2,350 of 3,100 gallons
  form.tbxGall(1).SetText("50");  // pounds and gallons alone: the percent follows
  EXPECT_EQ(form.tbxPer(1).Text(), "50");
  form.tbxPer(1).SetText("50.4");  // the level keeps the decimals

  form.Unload(ui::UnloadMode::ControlMenu);
  EXPECT_EQ(client.writes, (std::vector<Write>{{0x0B7C, 4, 6291456}, {0x0B84, 4, 4227858}}));
  EXPECT_EQ(client.batches, batchesBefore + 2);  // the write, then the re-read
  EXPECT_EQ(pro.sim.TankFuel[state::kLeftMain].percent, 75);
  EXPECT_EQ(refreshedPercent, (std::vector<std::int32_t>{74}));
  EXPECT_TRUE(keys.events.empty());
  EXPECT_TRUE(ui.boxes.shown.empty());
}

// A percent just below 0 is still whole 0 and is written as an empty tank, never below.
TEST_F(FrmFuelTankTest, ClosedByItsFrameWithAPercentJustBelowZeroWritesAnEmptyTank) {
  form.Show();
  form.tbxPer(0).SetText("-0.4");
  form.Unload(ui::UnloadMode::ControlMenu);
  EXPECT_EQ(client.writes, (std::vector<Write>{{0x0B7C, 4, 0}}));
  EXPECT_EQ(pro.sim.TankFuel[state::kLeftMain].percent, 0);
  EXPECT_TRUE(ui.boxes.shown.empty());
}

TEST_F(FrmFuelTankTest, OkWithoutChangesSendsAnEmptyRequestAndStillReReads) {
  form.Show();
  const int batchesBefore = client.batches;
  form.tbxLbs(0).SetText("10,049");
  form.buttonOK.PerformClick();
  EXPECT_FALSE(form.Loaded());
  EXPECT_TRUE(client.writes.empty());
  EXPECT_EQ(client.batches, batchesBefore + 2);
  EXPECT_EQ(refreshedPercent.size(), 1u);
}

TEST_F(FrmFuelTankTest, ConvertedBoxKeepsItsCaretAtTheEndAndPercentSelectsOnFocus) {
  form.Show();
  form.Activate();
  form.tbxLbs(0).SetFocus();
  ui::test::Settle();
  form.tbxLbs(0).SetText("10000");
  EXPECT_EQ(form.tbxLbs(0).Text(), "10,000");
  EXPECT_EQ(form.tbxLbs(0).SelStart(), 6);
  form.tbxPer(0).SetFocus();
  ui::test::Settle();
  ASSERT_TRUE(form.tbxPer(0).HasFocus());
  EXPECT_EQ(form.tbxPer(0).SelLength(), 2);
  EXPECT_TRUE(keys.events.empty());
  form.Unload();
}

}  // namespace
}  // namespace vx::briefing
