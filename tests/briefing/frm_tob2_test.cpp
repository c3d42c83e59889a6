// The briefing card: filled from the committed briefing with the distance still to fly and
// the departure fuel; every marker hidden at each showing; the engine's moves; an add-on
// read that fails leaves the card as designed; the layout table matches the form.
#include "briefing/frm_tob2.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QWidget>

#include "platform/addon_link.h"
#include "runtime/numbers.h"
#include "state/pro_context.h"
#include "support/standin_in_process.h"
#include "ui/ui_test_env.h"

namespace vx::briefing {
namespace {

class FrmTob2Test : public ::testing::Test {
 protected:
  FrmTob2Test() {
    pro.svc.clock = &ui.clock;
    pro.svc.pump = &ui.pump;
    pro.svc.timers = &ui.timers;
    pro.svc.addon = &addon;
    pro.boxes = &ui.boxes;
    pro.ui = &ui.env;
    auto& t = pro.briefing.TobBriefing;
    t.AirlineName = "JAL 日本航空";
    t.FlightNumber = "1234";
    t.TakeoffRunwayDigit1 = "3";
    t.TakeoffRunwayDigit2 = "4";
    t.TakeoffRunwaySide = "ライト(R)";
    t.WindDirectionText = "340";
    t.WindWordText = "やや右よりの風";
    t.QnhInHgText = "2992";
    t.TakeoffV1 = 140;
    t.CruiseAltitude = 35000;
    t.AircraftTypeCode = 4;
    pro.files.RouteAirports[0].icao = "RJTT";
    pro.files.RouteAirports[1].icao = "RJCC";
    // New Chitose in simulator units; the aircraft at Haneda, about 820 km away.
    pro.files.RouteAirports[1].latitude = 4753734;
    pro.files.RouteAirports[1].longitude = 1690437612;
    pro.sim.AircraftPosition = {35.5489, 139.7840};
    pro.sim.FuelTotals = {.leftPercent = 90, .rightPercent = 91, .centrePercent = 50, .totalPercent = 70,
                          .leftGallons = 2000, .rightGallons = 2010, .centreGallons = 2300, .totalGallons = 6310,
                          .leftLbs = 13400, .rightLbs = 13467, .centreLbs = 15410, .FuelTotalLbs = 42277};
    pro.sim.ZeroFuelWeightLbs = 260000;
  }

  ui::test::UiTestEnv ui;
  platform::ScriptedAddonLink addon;
  state::ProContext pro;
};

TEST_F(FrmTob2Test, TheCardShowsTheBriefingTheDistanceStillToFlyAndTakesTheDepartureFuel) {
  FrmTOB2 card(ui.env, pro);
  card.ShowTopmost();
  EXPECT_TRUE(card.Loaded());
  EXPECT_EQ(card.tbx航空会社.Caption(), "JAL 日本航空");
  EXPECT_EQ(card.tbxRWY3.Caption(), "ライト(R)");
  EXPECT_EQ(card.tbxWindInfoG.Caption(), "やや右よりの風");
  EXPECT_EQ(card.tbxICAO(1).Caption(), "RJCC");
  EXPECT_EQ(card.tbxV1.Caption(), "140");
  EXPECT_EQ(card.tbx巡航高度.Caption(), "35000");
  EXPECT_EQ(card.tbx合計ポンド.Caption(), "42,277");
  EXPECT_EQ(card.tbxグロス.Caption(), "302,277");
  // From the aircraft's place, not the departure airport's.
  EXPECT_NEAR(pro.files.RouteDistance, 822, 5);
  EXPECT_EQ(card.tbxKm.Caption(), runtime::Format(pro.files.RouteDistance, "#,##0"));
  EXPECT_EQ(pro.briefing.DepartureFuel,
            (std::array<std::int32_t, 12>{90, 13400, 2000, 91, 13467, 2010, 50, 15410, 2300, 70, 42277, 6310}));
  card.Unload();
}

// The card gives the simulator's window the front back as it is shown and as it closes:
// the stand-in logs the focus coming back each time. With no simulator window known
// nothing is asked of it.
TEST_F(FrmTob2Test, ShowingAndClosingTheCardBringTheSimulatorToTheFront) {
  test::InProcessStandin standin{ui.clock};
  pro.svc.simFocus = &standin.focus;
  const auto focusLines = [&] {
    std::vector<std::string> out;
    for (const auto& line : standin.simulator.LogLines()) {
      if (line.find("\"kind\":\"focus\"") != std::string::npos) out.push_back(line);
    }
    return out;
  };
  FrmTOB2 card(ui.env, pro);
  card.ShowTopmost();
  card.Unload();
  EXPECT_TRUE(focusLines().empty()) << "no simulator window known";

  pro.sim.SimWindow = standin.windowHandle;
  standin.simulator.SetInFront("desktop", false);
  card.ShowTopmost();
  EXPECT_TRUE(standin.simulator.InFront());
  standin.simulator.SetInFront("desktop", false);
  card.Unload();
  EXPECT_TRUE(standin.simulator.InFront());
  const auto lines = focusLines();
  ASSERT_EQ(lines.size(), 4u);
  for (std::size_t i : {1u, 3u}) {
    EXPECT_NE(lines[i].find("\"from\":\"test\",\"front\":true"), std::string::npos) << lines[i];
  }
}

TEST_F(FrmTob2Test, EveryShowingStartsWithEveryMarkerHidden) {
  FrmTOB2 card(ui.env, pro);
  card.ShowTopmost();
  for (int row = 0; row <= 30; ++row) {
    EXPECT_FALSE(card.Line1(row).Visible()) << row;
    EXPECT_FALSE(card.Image1(row).Visible()) << row;
  }
  card.Mark(3, true);
  card.Reveal(3);
  card.Mark(10, true);
  card.Mark(10, false);
  EXPECT_TRUE(card.Line1(3).Visible());
  EXPECT_TRUE(card.Image1(3).Visible());
  EXPECT_FALSE(card.Line1(10).Visible());
  card.SetVisible(false);
  EXPECT_FALSE(card.Visible());
  card.SetVisible(true);
  EXPECT_TRUE(card.Visible());
  card.Unload();
  EXPECT_FALSE(card.Loaded());
  card.Mark(4, true);  // an unloaded card takes no moves
  EXPECT_FALSE(card.Loaded());
  card.ShowTopmost();
  EXPECT_FALSE(card.Line1(3).Visible());
  EXPECT_FALSE(card.Image1(3).Visible());
  card.Unload();
}

TEST_F(FrmTob2Test, TheAddOnsSpeedsComeFirstAndAFailedReadLeavesTheCardAsDesigned) {
  pro.sim.AddonSessionOpen = true;
  pro.briefing.TobBriefing.AircraftTypeCode = 0;
  platform::AddonDataRecord record;
  record.Set(platform::AddonDataRecord::kV1, 151);
  record.Set(platform::AddonDataRecord::kCruiseAltitudeFt, 37000);
  addon.QueueRead(platform::kAddonOk, record);
  addon.QueueRead(platform::kAddonNotRunning);
  FrmTOB2 card(ui.env, pro);
  card.ShowTopmost();
  EXPECT_EQ(card.tbxV1.Caption(), "151");
  EXPECT_EQ(card.tbx巡航高度.Caption(), "37000");
  EXPECT_EQ(pro.briefing.TobBriefing.TakeoffV1, 151);
  card.Unload();

  const auto before = pro.briefing.DepartureFuel;
  pro.sim.FuelTotals.FuelTotalLbs = 1000;
  card.ShowTopmost();
  EXPECT_EQ(card.tbxV1.Caption(), "--");
  EXPECT_EQ(card.tbx航空会社.Caption(), "--");
  EXPECT_EQ(pro.briefing.DepartureFuel, before);
  card.Unload();
}

TEST_F(FrmTob2Test, TheLayoutTableNamesEveryControlOfTheCard) {
  FrmTOB2 card(ui.env, pro);
  card.Load();  // a row that does not match the form throws here
  const ui::FormLayout& layout = FrmTob2Layout();
  EXPECT_EQ(layout.form, "frmTOB2");
  int markers = 0;
  for (const ui::ControlRow& row : layout.rows) markers += row.name == "Image1" || row.name == "Line1";
  EXPECT_EQ(markers, 62);
  EXPECT_EQ(card.Line1(28).BorderWidth(), 2);
  // The ticks keep the table's size: the picture is stretched into them.
  for (const ui::ControlRow& row : layout.rows) {
    if (row.name != "Image1") continue;
    EXPECT_EQ(card.Image1(row.index).Width(), row.width) << row.index;
    EXPECT_EQ(card.Image1(row.index).Height(), row.height) << row.index;
  }
  card.Unload();
}

// No heading or value is clipped at the system's fonts, with the longest texts the sheet
// commits.
TEST_F(FrmTob2Test, NoTextIsClipped) {
  auto& t = pro.briefing.TobBriefing;
  t.AirlineName = "CPA キャセイパシフィック航空";
  t.ShipName = "B747-400 ポケモンジェット";  // the settings file's own
  t.AircraftTypeText = "04 B75/76 2 Engines";
  t.TakeoffRunwaySide = "センター(C)";
  t.WindWordText = "やや右よりの風";
  t.ReturnPattern = "ショートパターン";
  t.ReturnApproach = "レーダーベクター";
  t.AfterV1Action = "ＳＩＤフォロー／リターン";
  t.ClimbMode = "SPD/HDG/ALT";
  pro.files.RouteAirports[1].name = "ジョン・F・ケネディ国際空港";
  pro.sim.FuelTotals.FuelTotalLbs = 380000;
  FrmTOB2 card(ui.env, pro);
  card.ShowTopmost();
  for (const ui::ControlRow& row : FrmTob2Layout().rows) {
    if (row.kind != ui::ControlKind::Label) continue;
    const auto* label = dynamic_cast<ui::Label*>(ui::FindControl(card, row.name, row.index));
    ASSERT_NE(label, nullptr) << row.name;
    const QWidget* w = label->Widget();
    const int needed = w->fontMetrics().horizontalAdvance(QString::fromStdString(label->Caption()));
    EXPECT_LE(needed, w->width()) << row.name << "(" << row.index << ") " << label->Caption();
  }
  card.Unload();
}

}  // namespace
}  // namespace vx::briefing
