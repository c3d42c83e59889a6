#include "briefing/frm_fuel_tank.h"
#include "briefing/frm_picker.h"
#include "briefing/frm_tob.h"

#include <gtest/gtest.h>

#include "platform/addon_link.h"
#include "platform/key_injector.h"
#include "platform/paths.h"
#include "platform/sim_ipc_client.h"
#include "platform/text_viewer.h"
#include "simlink/simulator_link.h"
#include "state/pro_context.h"
#include "support/temp_dir.h"
#include "ui/ui_test_env.h"

namespace vx::briefing {
namespace {

using Write = platform::InProcessSimIpcClient::Write;

// The sheet with its fuel, airline and airport windows, on a simulator whose left main
// tank holds 1,500 of 3,000 gallons.
class SheetWindowsTest : public ::testing::Test {
 protected:
  SheetWindowsTest() {
    pro.svc.clock = &ui.clock;
    pro.svc.pump = &ui.pump;
    pro.svc.timers = &ui.timers;
    pro.svc.paths = &paths;
    pro.svc.addon = &addon;
    pro.svc.textViewer = &viewer;
    pro.svc.sim = &client;
    pro.svc.keys = &keys;
    pro.boxes = &ui.boxes;
    pro.ui = &ui.env;
    auto& t = pro.briefing.TobBriefing;
    t.FsYear = 2006, t.FsMonth = 12, t.FsDay = 12;
    t.AircraftTypeText = "04 B75/76 2 Engines";
    t.AircraftTypeCode = 4;
    t.FlightNumber = "014";
    t.TakeoffRunway = "16R";
    t.TakeoffFlap = 15;
    t.TakeoffThrust = "Take2";
    t.ClimbThrust = "Climb1";
    t.ClimbMode = "LNAV/VNAV";
    t.CruiseAltitude = 28000;
    t.TakeoffV1 = 132, t.TakeoffVr = 140, t.TakeoffV2 = 156;
    pro.files.RouteAirports[0].slot = "0";
    pro.files.RouteAirports[1].slot = "1";
    pro.files.AirportTable[0] = {1, "", "RJTT", "羽田", "東　京　 羽田", "東京国際空港", 0, 0, 21, -540, -540};
    pro.files.AirportTable[1] = {0, "", "RJCC", "新千歳", "札　 幌", "新千歳空港", 0, 0, 82, -540, -540};
    pro.files.AirportTable[105] = {0, "", "PHNL", "ホノルル", "ホノルル", "ホノルル国際空港", 0, 0, 13, 600, 600};
    pro.sim.SimVarTable = state::kFs98SimVarTable;
    client.Start(1, simlink::kSimLinkAreaSize, simlink::kSimLinkTimeoutMs);
    area.Set(0x0AF4, 2, 1715);
    area.Set(0x0B7C, 4, 4194304);
    area.Set(0x0B80, 4, 3000);
    simlink::ReadSimulatorState(pro);
    // As the program puts them into the sheet.
    sheet.dialogs.frmFuelTank = &windows.frmFuelTank;
    sheet.dialogs.frm会社国内線 = &windows.pickers.frm会社国内線;
    sheet.dialogs.frm会社国際線 = &windows.pickers.frm会社国際線;
    sheet.dialogs.openDomesticAirports = [this](int side) { windows.pickers.frm国内線.OpenFromSheet(side); };
    sheet.dialogs.openInternationalAirports = [this](int side) { windows.pickers.frm国際線.OpenFromSheet(side); };
  }

  // The fuel window and the pickers behind the sheet's buttons.
  struct SheetWindows {
    SheetWindows(ui::UiEnv& env, state::ProContext& pro, FrmTOB& sheet)
        : calls{[&sheet] { sheet.ShowTobFuel(); }, [&sheet](int withRunway) { sheet.FillTobRoute(withRunway); },
                [&sheet] { sheet.FillTobHeader(); }},
          frmFuelTank(env, pro, calls),
          pickers(env, pro, calls) {}
    TobSheetCalls calls;
    FrmFuelTank frmFuelTank;
    PickerSet pickers;
  };

  ui::test::UiTestEnv ui;
  vx::test::TempDir dir;
  platform::Paths paths{dir.Path()};
  platform::ScriptedAddonLink addon;
  platform::RecordingTextViewer viewer;
  platform::SimVariableArea area;
  platform::InProcessSimIpcClient client{area};
  platform::RecordingKeyInjector keys;
  state::ProContext pro;
  FrmTOB sheet{ui.env, pro};
  SheetWindows windows{ui.env, pro, sheet};
};

TEST_F(SheetWindowsTest, FuelSetInTheWindowReachesTheSimulatorAndTheSheet) {
  sheet.Show();
  EXPECT_EQ(sheet.tbx合計ガロン.Text(), "1,500");
  sheet.button給油.onClick();
  FrmFuelTank& fuel = windows.frmFuelTank;
  ASSERT_TRUE(fuel.Loaded());
  fuel.tbxPer(0).SetText("75");
  fuel.Unload(ui::UnloadMode::ControlMenu);
  EXPECT_EQ(client.writes, (std::vector<Write>{{0x0B7C, 4, 6291456}}));
  EXPECT_EQ(pro.sim.FuelTotals.totalGallons, 2250);
  EXPECT_EQ(sheet.tbx合計ガロン.Text(), "2,250");
  EXPECT_TRUE(keys.events.empty());
  sheet.Unload();
}

TEST_F(SheetWindowsTest, FuelClosedAfterTheSheetWritesButReopensNothing) {
  sheet.Show();
  sheet.button給油.onClick();
  sheet.Unload();
  windows.frmFuelTank.tbxPer(0).SetText("75");
  windows.frmFuelTank.buttonOK.PerformClick();
  EXPECT_EQ(client.writes, (std::vector<Write>{{0x0B7C, 4, 6291456}}));
  EXPECT_EQ(pro.sim.TankFuel[state::kLeftMain].percent, 75);
  EXPECT_FALSE(sheet.Loaded());
  EXPECT_TRUE(keys.events.empty());
}

TEST_F(SheetWindowsTest, AnAirportChosenShowsOnTheSheetAndLeavesItsRunwayAlone) {
  sheet.Show();
  sheet.comboRWY1.SetText("34");
  sheet.button国際.onClick(1);
  FrmPicker& intl = windows.pickers.frm国際線;
  ASSERT_TRUE(intl.Loaded());
  EXPECT_EQ(intl.TitleLabel().Caption(), "到着　空港選択　国際線");
  // Opened again from the departure button while still open: the title follows.
  sheet.button国際.onClick(0);
  EXPECT_EQ(intl.TitleLabel().Caption(), "出発　空港選択　国際線");
  EXPECT_EQ(intl.TitleLabel().BackColor(), ui::Colour::Palette(9));
  sheet.button国際.onClick(1);
  intl.Button(5).PerformClick();
  EXPECT_FALSE(intl.Loaded());
  EXPECT_EQ(pro.files.RouteAirports[1].slot, "105");
  EXPECT_EQ(sheet.tbxICAO(1).Text(), "PHNL");
  EXPECT_EQ(sheet.tbxICAO(0).Text(), "RJTT");
  EXPECT_EQ(sheet.comboRWY1.Text(), "34");
  sheet.Unload();
}

// Every row of each window's design names one of its controls and lies inside the window.
TEST_F(SheetWindowsTest, EveryDesignRowNamesAControlInsideItsWindow) {
  PickerSet& p = windows.pickers;
  const std::pair<ui::Form*, const ui::FormLayout*> forms[] = {
      {&windows.frmFuelTank, &FrmFuelTank::Layout()},
      {&p.frm国内線, &FrmPicker::Layout(PickerKind::DomesticAirports)},
      {&p.frm国際線, &FrmPicker::Layout(PickerKind::InternationalAirports)},
      {&p.frm会社国内線, &FrmPicker::Layout(PickerKind::DomesticAirlines)},
      {&p.frm会社国際線, &FrmPicker::Layout(PickerKind::InternationalAirlines)},
      {p.frm国内線.AirportEditor(), &Frm空港登録::Layout()},
      {p.frm会社国内線.AirlineEditor(), &Frm会社登録::Layout()},
  };
  for (const auto& [form, layout] : forms) {
    SCOPED_TRACE(std::string(layout->form));
    EXPECT_EQ(form->Name(), layout->form);
    for (const ui::ControlRow& row : layout->rows) {
      EXPECT_NE(ui::FindControl(*form, row.name, row.index), nullptr) << row.name << " " << row.index;
      EXPECT_LE(row.left + row.width, layout->width) << row.name << " " << row.index;
      EXPECT_LE(row.top + row.height, layout->height) << row.name << " " << row.index;
    }
  }
}

}  // namespace
}  // namespace vx::briefing
