#include "briefing/frm_tob.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/addon_link.h"
#include "platform/paths.h"
#include "platform/text_viewer.h"
#include "state/pro_context.h"
#include "support/temp_dir.h"
#include "ui/ui_test_env.h"

namespace vx::briefing {
namespace {

using ui::Answer;

class FrmTobTest : public ::testing::Test {
 protected:
  FrmTobTest() {
    pro.svc.clock = &ui.clock;
    pro.svc.pump = &ui.pump;
    pro.svc.timers = &ui.timers;
    pro.svc.paths = &paths;
    pro.svc.addon = &addon;
    pro.svc.textViewer = &viewer;
    pro.boxes = &ui.boxes;
    pro.ui = &ui.env;
    // A briefing as a loaded settings file leaves it.
    auto& t = pro.briefing.TobBriefing;
    t.FsYear = 2006;
    t.FsMonth = 12;
    t.FsDay = 12;
    t.AircraftTypeText = "04 B75/76 2 Engines";
    t.AircraftTypeCode = 4;
    t.FlightNumber = "014";
    t.TakeoffRunway = "16R";
    t.TakeoffFlap = 15;
    t.TakeoffThrust = "Take2";
    t.ClimbThrust = "Climb1";
    t.ClimbMode = "LNAV/VNAV";
    t.CruiseAltitude = 28000;
    t.TakeoffV1 = 132;
    t.TakeoffVr = 140;
    t.TakeoffV2 = 156;
    pro.briefing.BriefingTimes.events[0].localHour = 10;
    pro.briefing.BriefingTimes.events[0].localMinute = 30;
    pro.files.RouteAirports[0].slot = "0";
    pro.files.RouteAirports[1].slot = "1";
    pro.files.AirportTable[0].ICAO = "RJTT";
    pro.files.AirportTable[1].ICAO = "RJCC";
  }

  ui::test::UiTestEnv ui;
  vx::test::TempDir dir;
  platform::Paths paths{dir.Path()};
  platform::ScriptedAddonLink addon;
  platform::RecordingTextViewer viewer;
  state::ProContext pro;
  FrmTOB form{ui.env, pro};
};

// Every row of the design names a control of the sheet; loading fills it from the
// briefing values and marks it open.
TEST_F(FrmTobTest, LoadsItsDesignAndFillsFromTheBriefing) {
  form.Show();
  const ui::FormLayout& layout = FrmTobLayout();
  for (const ui::ControlRow& row : layout.rows) {
    EXPECT_NE(ui::FindControl(form, row.name, row.index), nullptr) << row.name;
  }
  EXPECT_EQ(form.Caption(), "Takeoff Briefing");
  EXPECT_TRUE(pro.flight.TobOpenFlag);
  EXPECT_EQ(pro.briefing.DialogOpenFlag, -1);
  EXPECT_EQ(form.tbxICAO(0).Text(), "RJTT");
  EXPECT_EQ(form.tbxICAO(1).Text(), "RJCC");
  EXPECT_EQ(form.tbxHour(0).Text(), "10");
  EXPECT_EQ(form.comboRWY3.Text(), "ライト(R)");
  EXPECT_EQ(form.combo機種.ListCount(), 10);
  EXPECT_FALSE(form.checkHimituON.Visible());
  form.Unload();
  EXPECT_FALSE(pro.flight.TobOpenFlag);
  EXPECT_EQ(pro.briefing.DialogOpenFlag, 0);
}

// The dialog buttons open the windows the program put in; an airport button first tells
// the picker which end of the route it sets.
TEST_F(FrmTobTest, DialogButtonsOpenTheirWindowsAfterACommit) {
  ui::Form fuel{ui.env, "frmFuelTank"};
  ui::Form airports{ui.env, "frm国際線"};
  form.dialogs.frmFuelTank = &fuel;
  form.dialogs.frm国際線 = &airports;
  form.Show();
  form.button給油.onClick();
  EXPECT_TRUE(fuel.Loaded());
  form.button国際.onClick(1);
  EXPECT_TRUE(airports.Loaded());
  EXPECT_EQ(pro.briefing.AirportSide, 1);
  form.buttonTiming.onClick();  // no window put in: nothing opens
}

}  // namespace
}  // namespace vx::briefing
