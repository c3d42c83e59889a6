#include "briefing/registration_editors.h"

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "state/pro_context.h"
#include "support/temp_dir.h"
#include "ui/file_dialog.h"
#include "ui/ui_test_env.h"

namespace vx::briefing {
namespace {

class EditorsTest : public ::testing::Test {
 protected:
  EditorsTest() {
    pro.svc.clock = &ui.clock;
    pro.svc.pump = &ui.pump;
    pro.svc.paths = &paths;
    pro.boxes = &ui.boxes;
    pro.files.AirportTable[4] = {1, "Type_B.wav", "RJTT", "羽田", "東　京　 羽田", "東京国際空港", 1, 2, 21, -540, -600};
    pro.files.AirlineTable[101] = {1, "UAL", "ユナイテッド航空", "ual.wav"};
    airport.updateRouteProgress = [this] {
      pro.sim.AircraftPosition = {latitude, longitude};
      pro.sim.AircraftAltitudeFt = 1021;
      pro.sim.HeightAboveGround = 1000;
      pro.sim.SimTimeOffset = -540;
    };
  }
  void OpenAirport(int slot) {
    pro.briefing.Pickers.AirportEditSlot = static_cast<std::int16_t>(slot);
    airport.Show();
  }

  ui::test::UiTestEnv ui;
  vx::test::TempDir dir;
  platform::Paths paths{dir.Path()};
  state::ProContext pro;
  Frm空港登録 airport{ui.env, pro};
  Frm会社登録 airline{ui.env, pro};
  double latitude = 35.5, longitude = 139.75;
};

TEST_F(EditorsTest, CurrentPositionGivesTheSimulatorUnitsAndClampsAtTheDateLine) {
  struct Case {
    double latitude, longitude;
    const char* lat;
    const char* lon;
  };
  const Case cases[] = {
      {35.5, 139.75, "3945134", "1667282443"},
      {-33.9, 180.0, "-3767325", "2147483647"},
      {0, -180.0, "0", "-2147483648"},
  };
  OpenAirport(7);
  EXPECT_EQ(airport.tbxLatHi.Text(), "0");  // an empty slot shows zeros
  for (const Case& c : cases) {
    latitude = c.latitude, longitude = c.longitude;
    airport.button現在地登録.PerformClick();
    EXPECT_EQ(airport.tbxLatHi.Text(), c.lat);
    EXPECT_EQ(airport.tbxLonHi.Text(), c.lon);
  }
  EXPECT_EQ(airport.tbxAlt.Text(), "21");
  EXPECT_EQ(airport.tbx時差.Text(), "-540");
  EXPECT_TRUE(airport.tbxLatHi.Locked());
}

TEST_F(EditorsTest, TheTimeDifferenceColumnFollowsTheSetting) {
  struct Case {
    const char* setting;
    const char* shown;
    std::int16_t def, corrected;  // the record after OK with 300
  };
  const Case cases[] = {{"OFF", "-540", 300, -600}, {"ON", "-600", -540, 300}, {"", "-600", -540, 300}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.setting);
    pro.files.AirportTable[4].DEF時差 = -540;
    pro.files.AirportTable[4].修正時差 = -600;
    pro.main.TimeDiffCorrection = c.setting;
    OpenAirport(4);
    EXPECT_EQ(airport.tbx時差.Text(), c.shown);
    airport.tbx時差.SetText("300");
    airport.buttonOK.PerformClick();
    EXPECT_FALSE(airport.Loaded());
    EXPECT_EQ(pro.files.AirportTable[4].DEF時差, c.def);
    EXPECT_EQ(pro.files.AirportTable[4].修正時差, c.corrected);
    EXPECT_EQ(pro.files.AirportTable[4].音声, 1);  // never written by the editor
  }
}

TEST_F(EditorsTest, OkChecksInOrderAndStoresAWholeRecordOrNothing) {
  struct Case {
    const char* box;   // the box emptied or given a bad text
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"tbxICAO", "", "ICAO コードが入力されていません"},
      {"tbxボタン", "", "選択ボタン名が入力されていません"},
      {"tbxパタパタ", "", "パタパタ時刻表名が入力されていません"},
      {"tbx詳細名", "", "空港名　詳細が入力されていません"},
      {"tbxAlt", "", "緯度、経度、高度が入力されていません\r\n\r\n「現在地を登録」ボタンを押してください"},
      {"tbx詳細名", "東京😀空港", "「空港名　詳細」に登録できない文字が含まれています"},
      {"tbxAlt", "40000", "オーバーフローしました。"},
  };
  const state::AirportRecord before = pro.files.AirportTable[4];
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box);
    OpenAirport(4);
    airport.tbxICAO.SetText("RJAA");  // typed before the faulty box: kept only in the window
    static_cast<ui::TextBox*>(ui::FindControl(airport, c.box))->SetText(c.text);
    ui.boxes.Expect("空港登録", ui::Answer::Ok, c.message);
    airport.buttonOK.PerformClick();
    EXPECT_EQ(ui.boxes.PendingExpectations(), 0u);
    EXPECT_EQ(ui.boxes.shown.back().icon, ui::Icon::Exclamation);
    EXPECT_TRUE(airport.Loaded());
    EXPECT_EQ(pro.files.AirportTable[4], before);
    airport.buttonCancel.PerformClick();
    EXPECT_EQ(pro.briefing.Pickers.AirportEditSlot, state::kNoSlot);
  }
  // Blanks are a name; texts are stored as typed.
  OpenAirport(4);
  airport.tbxパタパタ.SetText("　 ");
  airport.buttonOK.PerformClick();
  EXPECT_EQ(pro.files.AirportTable[4].空港名パタパタ, "　 ");
}

TEST_F(EditorsTest, AChimeOrSafetyFileChosenElsewhereStoresItsBareName) {
  OpenAirport(4);
  ui.dialogs.Expect(ui::FileDialogKind::Open, "開く", "/somewhere/else/Type_C.wav");
  airport.buttonファイル検索.PerformClick();
  EXPECT_EQ(airport.tbxチャイム.Text(), "Type_C.wav");
  EXPECT_EQ(ui.dialogs.shown.back().request.filter, "チャイム音声 (Type_*.wav)|Type_*.wav");
  EXPECT_EQ(ui.dialogs.shown.back().request.initialFolder, (dir.Path() / "Wav" / "Lob").string());
  ui.dialogs.Expect(ui::FileDialogKind::Open, "開く", std::nullopt);  // cancelled: nothing changes
  airport.buttonファイル検索.PerformClick();
  EXPECT_EQ(airport.tbxチャイム.Text(), "Type_C.wav");
  airport.buttonOK.PerformClick();
  EXPECT_EQ(pro.files.AirportTable[4].チャイム, "Type_C.wav");

  pro.briefing.Pickers.AirlineEditSlot = 101;
  airline.Show();
  EXPECT_EQ(airline.tbx安全放送.Text(), "ual.wav");
  ui.dialogs.Expect(ui::FileDialogKind::Open, "開く", "/elsewhere/safety.wav");
  airline.buttonファイル検索.PerformClick();
  EXPECT_EQ(ui.dialogs.shown.back().request.filter, "音声ファイル (*.wav)|*.wav");
  airline.tbxボタン.SetText("UA");
  airline.buttonOK.PerformClick();
  EXPECT_EQ(pro.files.AirlineTable[101], (state::AirlineRecord{1, "UA", "ユナイテッド航空", "safety.wav"}));
  EXPECT_EQ(pro.briefing.Pickers.AirlineEditSlot, state::kNoSlot);
}

// Each editor stores into the slot it was opened for, also when the table's slot variable
// names another slot by the time OK is pressed.
TEST_F(EditorsTest, OkStoresIntoTheSlotTheEditorWasOpenedFor) {
  const state::AirportRecord haneda = pro.files.AirportTable[4];
  OpenAirport(20);
  pro.briefing.Pickers.AirportEditSlot = 4;
  airport.tbxICAO.SetText("RJOA");
  airport.tbxボタン.SetText("広島");
  airport.tbxパタパタ.SetText("広　 島");
  airport.tbx詳細名.SetText("広島空港");
  airport.buttonOK.PerformClick();
  EXPECT_FALSE(airport.Loaded());
  EXPECT_EQ(pro.files.AirportTable[20].ICAO, "RJOA");
  EXPECT_EQ(pro.files.AirportTable[4], haneda);
  EXPECT_EQ(pro.briefing.Pickers.AirportEditSlot, state::kNoSlot);

  const state::AirlineRecord united = pro.files.AirlineTable[101];
  pro.briefing.Pickers.AirlineEditSlot = 20;
  airline.Show();
  pro.briefing.Pickers.AirlineEditSlot = 101;
  airline.tbxボタン.SetText("JAC");
  airline.tbx詳細名.SetText("日本エアコミューター");
  airline.buttonOK.PerformClick();
  EXPECT_FALSE(airline.Loaded());
  EXPECT_EQ(pro.files.AirlineTable[20], (state::AirlineRecord{0, "JAC", "日本エアコミューター", ""}));
  EXPECT_EQ(pro.files.AirlineTable[101], united);
  EXPECT_EQ(pro.briefing.Pickers.AirlineEditSlot, state::kNoSlot);
}

TEST_F(EditorsTest, AirlineChecks) {
  struct Case {
    const char* button;
    const char* detail;
    const char* message;  // null: stored
  };
  const Case cases[] = {
      {"", "x", "選択ボタン名が入力されていません"},
      {"UA", "", "会社名　詳細が入力されていません"},
      {"U😀", "x", "「選択ボタン」に登録できない文字が含まれています"},
      {" ", " ", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    pro.briefing.Pickers.AirlineEditSlot = 101;
    airline.Show();
    airline.tbxボタン.SetText(c.button);
    airline.tbx詳細名.SetText(c.detail);
    airline.tbx安全放送.SetText("");
    if (c.message) ui.boxes.Expect("会社登録", ui::Answer::Ok, c.message);
    airline.buttonOK.PerformClick();
    EXPECT_EQ(airline.Loaded(), c.message != nullptr);
    if (airline.Loaded()) airline.Unload(ui::UnloadMode::ControlMenu);
    EXPECT_EQ(pro.briefing.Pickers.AirlineEditSlot, state::kNoSlot);
  }
  EXPECT_EQ(pro.files.AirlineTable[101], (state::AirlineRecord{1, " ", " ", ""}));
}

}  // namespace
}  // namespace vx::briefing
