#include "briefing/frm_tob.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/addon_link.h"
#include "platform/paths.h"
#include "platform/text_viewer.h"
#include "state/pro_context.h"
#include "runtime/runtime_error.h"
#include "support/standin_in_process.h"
#include "support/temp_dir.h"
#include "ui/event_boundary.h"
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

  bool Exists(const char* name) const { return std::filesystem::exists(dir.Path() / name); }
  // Presses a button as the user does: the handler runs at the event boundary.
  void Press(ui::CommandButton& button) { ui::DispatchEvent(ui.env, button.onClick); }

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
  const ui::FormLayout& layout = FrmTOB::Layout();
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

// Closed by its frame while another window is in front, the sheet gives the simulator's
// window the front again: the stand-in logs the focus coming back.
TEST_F(FrmTobTest, ClosingTheSheetBringsTheSimulatorToTheFront) {
  test::InProcessStandin standin{ui.clock};
  pro.svc.simFocus = &standin.focus;
  pro.sim.SimWindow = standin.windowHandle;
  form.Show();
  standin.simulator.SetInFront("desktop", false);
  const std::size_t before = standin.simulator.LogLines().size();
  form.Unload(ui::UnloadMode::ControlMenu);
  EXPECT_TRUE(standin.simulator.InFront());
  const auto lines = standin.simulator.LogLines();
  ASSERT_EQ(lines.size(), before + 1);
  EXPECT_NE(lines.back().find("\"kind\":\"focus\",\"from\":\"test\",\"front\":true"), std::string::npos)
      << lines.back();
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
  EXPECT_EQ(pro.briefing.Pickers.AirportSide, 1);
  form.buttonTiming.onClick();  // no window put in: nothing opens
  int openedFor = -1;
  form.dialogs.openDomesticAirports = [&](int side) { openedFor = side; };
  form.button国内.onClick(0);
  EXPECT_EQ(openedFor, 0) << "a picker with its own way of opening";
  EXPECT_EQ(pro.briefing.Pickers.AirportSide, 0);
}


// The weather at the aircraft in words; the wind against the runway the combos show, kept
// as it was when the wind lies on the heading or the runway is no number.
TEST_F(FrmTobTest, WeatherBoxesAndTheWindAgainstTheShownRunway) {
  form.Show();
  state::SimState& sim = pro.sim;
  sim.WindAtAircraft = {205, 9};
  sim.OutsideTemperature = -3;
  sim.WindTurbulence = 65;
  sim.QnhInHg = 2992;
  sim.SimRawValues.Set(state::SimVar::Qnh, 1013 * 16 + 3);
  sim.PrecipitationType = 1;
  sim.PrecipitationRate = 0;
  sim.CloudLayers.low = {12000, 3500, 2};
  sim.CloudLayers.high = {28000, 25000, 3};
  form.ShowTobWeather();
  EXPECT_EQ(form.tbx風向.Text(), "205");
  EXPECT_EQ(form.tbx風速.Text(), "9");
  EXPECT_EQ(form.tbx気温.Text(), "-3");
  EXPECT_EQ(form.tbxWindTurbulenceA.Text(), "弱");
  EXPECT_EQ(form.tbxQNH1.Text(), "2992");
  EXPECT_EQ(form.tbxQNH2.Text(), "1013");
  EXPECT_EQ(form.tbxRainType.Text(), "雨");
  EXPECT_EQ(form.tbxRainRate.Text(), "--");
  EXPECT_EQ(form.tbx天候.Text(), "雨");
  EXPECT_EQ(form.tbx低雲上限.Text(), "12,000");
  EXPECT_EQ(form.tbx低雲量.Text(), "2/8");
  EXPECT_EQ(form.tbxWindInfoG.Text(), "ライトクロス");
  EXPECT_EQ(form.tbxWindInfoDoG.Text(), "+45");

  sim.WindAtAircraft.direction = 160;
  sim.PrecipitationType = 0;
  form.ShowTobWeather();
  EXPECT_EQ(form.tbx天候.Text(), "曇り");
  EXPECT_EQ(form.tbxWindInfoG.Text(), "ライトクロス") << "wind on the heading";
  form.comboRWY1.SetText("");
  form.comboRWY2.SetText("");
  sim.WindAtAircraft.direction = 20;
  form.ShowTobWeather();
  EXPECT_EQ(form.tbx風向.Text(), "020");
  EXPECT_EQ(form.tbxWindInfoDoG.Text(), "+45") << "no runway number";
}

// A runway typed beyond the numbers keeps the wind boxes as they were; every tick still
// refreshes the weather, the fuel and the weights, and nothing is reported.
TEST_F(FrmTobTest, ARunwayBeyondTheNumbersKeepsTheWindBoxesAndTheTicksGoOn) {
  state::SimRawValueSet& raw = pro.sim.SimRawValues;
  raw.Set(state::SimVar::FuelWeight, 1715);
  raw.Set(state::TankCapacity(state::kLeftMain), 3000);
  raw.Set(state::SimVar::WindDirection, 90 * 65536 / 360);
  form.Show();
  const std::string word = form.tbxWindInfoG.Text(), angle = form.tbxWindInfoDoG.Text();
  form.comboRWY1.SetText("99999");
  raw.Set(state::SimVar::WindDirection, 180 * 65536 / 360);
  for (const std::int32_t level : {8388608, 4194304}) {
    raw.Set(state::TankLevel(state::kLeftMain), level);
    ui.pump.RunFor(std::chrono::milliseconds(2000));
    EXPECT_EQ(form.tbx左ガロン.Text(), level == 8388608 ? "3,000" : "1,500");
  }
  EXPECT_EQ(form.tbx風向.Text(), "180");
  EXPECT_EQ(form.tbxWindInfoG.Text(), word);
  EXPECT_EQ(form.tbxWindInfoDoG.Text(), angle);
  EXPECT_TRUE(ui.boxes.shown.empty());

  // Runway 39 is heading 030: a wind from 010 is 20 degrees to its left.
  form.comboRWY1.SetText("3");
  form.comboRWY2.SetText("9");
  raw.Set(state::SimVar::WindDirection, 10 * 65536 / 360);
  ui.pump.RunFor(std::chrono::milliseconds(2000));
  EXPECT_EQ(form.tbxWindInfoG.Text(), "やや左よりの風");
  EXPECT_EQ(form.tbxWindInfoDoG.Text(), "-20");
}

// "Captain Signature" on the ground: asked and answered Yes, the time prompt names the
// departure and ten minutes before it, the call-out settings are written and the sheet
// closes.
TEST_F(FrmTobTest, SignatureOnTheGroundConfirmsPromptsWritesAndCloses) {
  pro.sim.HeightAboveGround = 12;
  pro.sim.FlightMaxima.altitudeFt = 35000;
  form.Show();
  form.tbxV1.SetText("150");
  ui.boxes.Expect("ＴＯＢ確定", Answer::Yes, "キャプテン！　よろしいですか？");
  ui.boxes.Expect("時刻設定", Answer::Ok, "出発時刻は [ 10：30 ] です");
  Press(form.buttonOK);
  EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
  ASSERT_EQ(ui.boxes.shown.size(), 2u);
  EXPECT_NE(ui.boxes.shown[1].text.find("１０分前の ***[ 10：20 ]*** に合わせてください"), std::string::npos);
  EXPECT_FALSE(form.Loaded());
  EXPECT_FALSE(pro.flight.TobOpenFlag);
  EXPECT_TRUE(Exists("vexlorSD.cfg"));
  EXPECT_EQ(pro.briefing.TobBriefing.TakeoffV1, 150);
  EXPECT_EQ(pro.briefing.TobBriefing.AircraftHeight, 12);
  EXPECT_EQ(pro.sim.FlightMaxima, state::FlightMaximaRecord{});
}

TEST_F(FrmTobTest, AnsweringNoLeavesTheSheetOpenButCommitted) {
  form.Show();
  form.tbxV1.SetText("150");
  ui.boxes.Expect("ＴＯＢ確定", Answer::No);
  Press(form.buttonOK);
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(pro.briefing.TobBriefing.TakeoffV1, 150);
  EXPECT_FALSE(Exists("vexlorSD.cfg"));
}

// Above 200 ft nothing is asked, the height and maxima stay, the special flags are still
// set: the hidden set for the fixed airline and flight number matched as a number.
TEST_F(FrmTobTest, SignatureInTheAirAsksNothing) {
  pro.sim.HeightAboveGround = 250;
  pro.briefing.TobBriefing.AircraftHeight = 77;
  pro.sim.FlightMaxima.altitudeFt = 35000;
  pro.briefing.TobBriefing.AirlineName = "ノースウェスト航空";
  pro.briefing.TobBriefing.FlightNumber = " 057 ";
  form.Show();
  form.tbx航空会社.SetText("ノースウェスト航空");
  Press(form.buttonOK);
  EXPECT_TRUE(ui.boxes.shown.empty());
  EXPECT_FALSE(form.Loaded());
  EXPECT_TRUE(Exists("vexlorSD.cfg"));
  EXPECT_EQ(pro.briefing.TobBriefing.AircraftHeight, 77);
  EXPECT_EQ(pro.sim.FlightMaxima.altitudeFt, 35000);
  EXPECT_TRUE(pro.engine.SpecialVoiceOn);
  EXPECT_EQ(pro.briefing.SpecialEngineSoundOn, 0) << "no special recording installed";
}

// The special engine recording, found whatever its letter case, shows the check box with
// the stored switch; signing keeps what the box says.
TEST_F(FrmTobTest, TheSpecialEngineSoundFollowsItsRecordingAndCheckBox) {
  std::filesystem::create_directories(dir.Path() / "WAV" / "Himitu");
  std::ofstream(dir.Path() / "WAV" / "Himitu" / "RAVIKge.wav") << "RIFF";
  pro.sim.HeightAboveGround = 250;
  pro.briefing.SpecialEngineSoundOn = 1;
  form.Show();
  EXPECT_EQ(pro.briefing.SpecialEngineSoundAvailable, 1);
  EXPECT_TRUE(form.checkHimituON.Visible());
  EXPECT_EQ(form.checkHimituON.Value(), 1);
  Press(form.buttonOK);
  EXPECT_EQ(pro.briefing.SpecialEngineSoundOn, 1);
}

TEST_F(FrmTobTest, TheAddonTypeWithoutItsSessionCannotBeSigned) {
  form.Show();
  form.combo機種.SetText("00 Level-D 767");
  ui.boxes.Expect("ＴＯＢチェック", Answer::Ok, "機種をLevel-D767以外で選択してください。");
  Press(form.buttonOK);
  EXPECT_TRUE(form.Loaded());
  EXPECT_FALSE(Exists("vexlorSD.cfg"));
}

// A field that cannot be read: the commit's box, and the pressed button does nothing.
TEST_F(FrmTobTest, ABadFieldStopsEveryButton) {
  ui::Form fuel{ui.env, "frmFuelTank"};
  form.dialogs.frmFuelTank = &fuel;
  form.Show();
  form.tbxV1.SetText("13a");
  ui.boxes.Expect("TOB 確定", Answer::Ok, "\n\nＶ１が正しくありません\n入力を確認してください");
  Press(form.buttonOK);
  ui.boxes.Expect("TOB 確定", Answer::Ok, "Ｖ１が");
  Press(form.button給油);
  EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
  EXPECT_EQ(ui.boxes.shown.back().icon, ui::Icon::Critical);
  EXPECT_TRUE(form.Loaded());
  EXPECT_FALSE(fuel.Loaded());
  EXPECT_FALSE(Exists("vexlorSD.cfg"));
}

// A ship name holding a character CP932 lacks would be written into the settings file as
// "?": the commit refuses it, naming the field and the character, and keeps the old name.
TEST_F(FrmTobTest, ATextCp932LacksIsRefusedNamingTheFieldAndTheCharacter) {
  form.Show();
  const std::string before = pro.briefing.TobBriefing.ShipName;
  form.tbxシップ.SetText("B747-400 ポケモン😀ジェット");
  ui.boxes.Expect("TOB 確定", Answer::Ok,
                  "「😀」は Shift-JIS (CP932) で保存できない文字です。\n\nシップが正しくありません\n入力を確認してください");
  Press(form.buttonOK);
  EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(pro.briefing.TobBriefing.ShipName, before);
  EXPECT_FALSE(Exists("vexlorSD.cfg"));
}

// The timer's tick: with the add-on session and type 0 the add-on's speeds replace what
// was typed; with another type the typed value stays; a speed beyond 16 bits stops that
// tick and is reported once, not on every tick.
TEST_F(FrmTobTest, TicksFollowTheAddonAndReportAFailureOnce) {
  pro.sim.AddonSessionOpen = true;
  platform::AddonDataRecord record;
  record.Set(platform::AddonDataRecord::kV1, 141);
  record.Set(platform::AddonDataRecord::kVr, 147);
  record.Set(platform::AddonDataRecord::kV2, 152);
  record.Set(platform::AddonDataRecord::kCruiseAltitudeFt, 35000);
  addon.QueueRead(platform::kAddonOk, record);
  pro.briefing.TobBriefing.AircraftTypeCode = 1;
  pro.briefing.TobBriefing.AircraftTypeText = "01 B737   2 Engines";
  form.Show();
  form.tbxV1.SetText("150");
  ui.pump.RunFor(std::chrono::milliseconds(2100));
  EXPECT_EQ(form.tbxV1.Text(), "150") << "type 1 keeps the typed speed";

  pro.briefing.TobBriefing.AircraftTypeCode = 0;
  ui.pump.RunFor(std::chrono::milliseconds(2000));
  EXPECT_EQ(form.tbxV1.Text(), "141");
  EXPECT_EQ(form.tbx巡航高度.Text(), "35000");
  EXPECT_EQ(pro.briefing.TobBriefing.TakeoffV2, 152);

  record.Set(platform::AddonDataRecord::kV1, 40000);
  record.Set(platform::AddonDataRecord::kVr, 160);
  addon.QueueRead(platform::kAddonOk, record);
  ui.boxes.Expect("VexlorPro", Answer::Ok, runtime::ErrorText(runtime::kOverflow));
  ui.pump.RunFor(std::chrono::milliseconds(6000));
  EXPECT_EQ(ui.boxes.shown.size(), 1u) << "one box for three failing ticks";
  EXPECT_EQ(form.tbxVr.Text(), "147") << "the rest of the tick was skipped";
  EXPECT_TRUE(form.Loaded());
}

// A fill that fails at loading is reported once; the sheet opens all the same and its
// ticks do not report the failure again.
TEST_F(FrmTobTest, AFailingFillAtLoadingIsReportedOnceAndTheSheetOpens) {
  pro.sim.AddonSessionOpen = true;
  pro.briefing.TobBriefing.AircraftTypeCode = 0;
  platform::AddonDataRecord record;
  record.Set(platform::AddonDataRecord::kV1, 40000);
  addon.QueueRead(platform::kAddonOk, record);
  ui.boxes.Expect("VexlorPro", Answer::Ok, runtime::ErrorText(runtime::kOverflow));
  form.Show();
  ui.pump.RunFor(std::chrono::milliseconds(4100));
  EXPECT_EQ(ui.boxes.shown.size(), 1u);
  EXPECT_TRUE(form.Loaded());
  EXPECT_TRUE(pro.flight.TobOpenFlag);
  EXPECT_TRUE(form.Timer1.Running());
}

// Route and airline slots outside the tables never index them: the boxes keep their texts.
TEST_F(FrmTobTest, SlotsOutsideTheTablesLeaveTheirBoxes) {
  pro.files.RouteAirports[1].slot = "250";
  pro.briefing.SelectedAirlineIndex = "-1";
  form.Show();
  EXPECT_EQ(form.tbxICAO(0).Text(), "RJTT");
  EXPECT_EQ(form.tbxICAO(1).Text(), "RJCC") << "the design's text";
  EXPECT_EQ(form.tbx航空会社.Text(), "JAL 日本航空") << "the design's text";
  EXPECT_EQ(form.tbxHour(0).Text(), "10") << "the rest of the route is filled";
}

// The V-speed buttons: type 0 answers with its box and leaves the sheet as typed; type 1
// takes table A at the simulator's gross weight and refills the sheet.
TEST_F(FrmTobTest, VSpeedButtons) {
  form.Show();
  form.combo機種.SetText("00 Level-D 767");
  form.tbx月.SetText("7");
  ui.boxes.Expect("Level-D767", Answer::Ok, "このボタンは押す必要ありません。");
  Press(form.buttonV計算);
  EXPECT_EQ(form.tbx月.Text(), "7") << "not refilled";

  form.combo機種.SetText("01 B737   2 Engines");
  pro.sim.FuelTotals.FuelTotalLbs = 100000;
  pro.sim.ZeroFuelWeightLbs = 200000;
  Press(form.buttonV計算);
  EXPECT_EQ(form.tbxV1.Text(), "121");
  EXPECT_EQ(form.tbxVr.Text(), "131");
  EXPECT_EQ(form.tbxV2.Text(), "143");
  EXPECT_EQ(form.tbx月.Text(), "07") << "refilled";
  Press(form.buttonVreset);
  EXPECT_EQ(form.tbxV1.Text(), "132");
  EXPECT_EQ(pro.briefing.TobBriefing.TakeoffV2, 156);
}

TEST_F(FrmTobTest, VoiceListIsWrittenAndShownOnTop) {
  form.Show();
  ui.boxes.Expect("音声リスト", Answer::Ok, "作成および表示します\n\nよろしいですか？");
  Press(form.button音声リスト);
  ASSERT_EQ(viewer.shown.size(), 1u);
  EXPECT_EQ(viewer.shown[0].file, dir.Path() / "音声リスト.txt");
  EXPECT_TRUE(viewer.shown[0].onTop);
  EXPECT_TRUE(Exists("音声リスト.txt"));
}

// A list that cannot be written names its file in a box of its own; no viewer opens.
TEST_F(FrmTobTest, AVoiceListThatCannotBeWrittenIsReportedAndNotShown) {
  std::filesystem::create_directories(dir.Path() / "音声リスト.txt" / "in the way");
  form.Show();
  ui.boxes.Expect("音声リスト", Answer::Ok);
  ui.boxes.Expect("音声リスト", Answer::Ok, (dir.Path() / "音声リスト.txt").string());
  Press(form.button音声リスト);
  EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
  EXPECT_TRUE(viewer.shown.empty());
  EXPECT_TRUE(form.Loaded());
}

}  // namespace
}  // namespace vx::briefing
