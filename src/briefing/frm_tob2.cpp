#include "briefing/frm_tob2.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <array>
#include <cstdint>
#include <string>

#include "announce/flight_windows.h"
#include "platform/addon_link.h"
#include "platform/event_pump.h"
#include "runtime/numbers.h"
#include "simlink/common_helpers.h"
#include "simlink/sim_derivations.h"
#include "state/pro_context.h"
#include "ui/colour.h"
#include "ui/ui_env.h"

namespace vx::briefing {
namespace {

using K = ui::ControlKind;

constexpr double kFormWidth = 10200;
constexpr double kFormHeight = 7700;
constexpr std::string_view kBlank = "--";

// Labels and headings of the card. Value labels show "--" until the card is filled.
constexpr ui::ControlRow kLabelRows[] = {
    {"lblCard", K::Label, 780, 60, 8000, 300, "TAKEOFF BRIEFING", 12, true, 0},
    // Header and route.
    {"tbx航空会社", K::Label, 780, 420, 2600, 270, kBlank},
    {"tbx便名", K::Label, 3500, 420, 800, 270, kBlank},
    {"tbxシップ", K::Label, 4400, 420, 3000, 270, kBlank},
    {"tbx機種", K::Label, 7500, 420, 2600, 270, kBlank},
    {"tbxICAO", K::Label, 780, 780, 700, 270, kBlank, 0, false, 0},
    {"tbx空港名", K::Label, 1550, 780, 2200, 270, kBlank, 0, false, 0},
    {"tbxICAO", K::Label, 4800, 780, 700, 270, kBlank, 0, false, 1},
    {"tbx空港名", K::Label, 5600, 780, 2600, 270, kBlank, 0, false, 1},
    {"tbxHour", K::Label, 780, 1080, 350, 270, kBlank, 0, false, 0},
    {"tbxMinutes", K::Label, 1150, 1080, 350, 270, kBlank, 0, false, 0},
    {"tbxゲート番号", K::Label, 1700, 1080, 600, 270, kBlank, 0, false, 0},
    {"tbxHour", K::Label, 4800, 1080, 350, 270, kBlank, 0, false, 1},
    {"tbxMinutes", K::Label, 5170, 1080, 350, 270, kBlank, 0, false, 1},
    {"tbxKm", K::Label, 6000, 1080, 1000, 270, kBlank},
    {"tbxMiles", K::Label, 7100, 1080, 1000, 270, kBlank},
    // Left column: runway, wind, weather, minimums.
    {"lblCard", K::Label, 780, 1500, 1200, 270, "RWY", 0, true, 1},
    {"tbxRWY1", K::Label, 2100, 1500, 250, 270, kBlank},
    {"tbxRWY2", K::Label, 2380, 1500, 230, 270, kBlank},
    {"tbxRWY3", K::Label, 2900, 1500, 1300, 270, kBlank},
    {"lblCard", K::Label, 780, 1800, 1200, 270, "WIND", 0, true, 2},
    {"tbx風向", K::Label, 2100, 1800, 500, 270, kBlank},
    {"tbx風速", K::Label, 2700, 1800, 500, 270, kBlank},
    {"tbxWindInfoDoG", K::Label, 3300, 1800, 800, 270, kBlank},
    {"lblCard", K::Label, 780, 2100, 1200, 270, "", 0, false, 3},
    {"tbxWindInfoG", K::Label, 2100, 2100, 2200, 270, kBlank},
    {"lblCard", K::Label, 780, 2400, 1200, 270, "TEMP", 0, true, 4},
    {"tbx気温", K::Label, 2100, 2400, 600, 270, kBlank},
    {"lblCard", K::Label, 780, 2700, 1200, 270, "DEW POINT", 0, true, 5},
    {"tbx露点", K::Label, 2100, 2700, 600, 270, kBlank},
    {"lblCard", K::Label, 780, 3000, 1200, 270, "QNH", 0, true, 6},
    {"tbxQNH1", K::Label, 2100, 3000, 700, 270, kBlank},
    {"tbxQNH2", K::Label, 2900, 3000, 700, 270, kBlank},
    {"lblCard", K::Label, 780, 3300, 1200, 270, "WX", 0, true, 7},
    {"tbx天候", K::Label, 2100, 3300, 700, 270, kBlank},
    {"tbxRainType", K::Label, 2900, 3300, 500, 270, kBlank},
    {"tbxRainRate", K::Label, 3500, 3300, 500, 270, kBlank},
    {"tbxWindTurbulenceA", K::Label, 4050, 3300, 600, 270, kBlank},
    {"lblCard", K::Label, 780, 3600, 1200, 270, "LOW CLD", 0, false, 8},
    {"tbx低雲上限", K::Label, 2100, 3600, 800, 270, kBlank},
    {"tbx低雲下限", K::Label, 3000, 3600, 800, 270, kBlank},
    {"tbx低雲量", K::Label, 3900, 3600, 600, 270, kBlank},
    {"lblCard", K::Label, 780, 3900, 1200, 270, "HIGH CLD", 0, false, 9},
    {"tbx高雲上限", K::Label, 2100, 3900, 800, 270, kBlank},
    {"tbx高雲下限", K::Label, 3000, 3900, 800, 270, kBlank},
    {"tbx高雲量", K::Label, 3900, 3900, 600, 270, kBlank},
    {"lblCard", K::Label, 780, 4200, 1200, 270, "CB", 0, false, 10},
    {"tbx嵐上限", K::Label, 2100, 4200, 800, 270, kBlank},
    {"tbx嵐下限", K::Label, 3000, 4200, 800, 270, kBlank},
    {"tbx嵐量", K::Label, 3900, 4200, 600, 270, kBlank},
    {"lblCard", K::Label, 780, 4800, 1200, 270, "MINIMUM", 0, true, 11},
    {"tbxMinimum", K::Label, 2100, 4800, 800, 270, kBlank},
    {"lblCard", K::Label, 780, 5100, 1200, 270, "APR MIN", 0, true, 12},
    {"tbxAprMinimum", K::Label, 2100, 5100, 800, 270, kBlank},
    // Right column: fuel, weights and the take-off data.
    {"lblCard", K::Label, 5400, 1500, 1300, 270, "FUEL TOTAL", 0, true, 13},
    {"tbx合計割合", K::Label, 6800, 1500, 500, 270, kBlank},
    {"tbx合計ポンド", K::Label, 7400, 1500, 1000, 270, kBlank},
    {"tbx合計ガロン", K::Label, 8500, 1500, 900, 270, kBlank},
    {"lblCard", K::Label, 5400, 1800, 1300, 270, "L", 0, false, 14},
    {"tbx左割合", K::Label, 6800, 1800, 500, 270, kBlank},
    {"tbx左ポンド", K::Label, 7400, 1800, 1000, 270, kBlank},
    {"tbx左ガロン", K::Label, 8500, 1800, 900, 270, kBlank},
    {"lblCard", K::Label, 5400, 2100, 1300, 270, "R", 0, false, 15},
    {"tbx右割合", K::Label, 6800, 2100, 500, 270, kBlank},
    {"tbx右ポンド", K::Label, 7400, 2100, 1000, 270, kBlank},
    {"tbx右ガロン", K::Label, 8500, 2100, 900, 270, kBlank},
    {"lblCard", K::Label, 5400, 2400, 1300, 270, "C", 0, false, 16},
    {"tbx中割合", K::Label, 6800, 2400, 500, 270, kBlank},
    {"tbx中ポンド", K::Label, 7400, 2400, 1000, 270, kBlank},
    {"tbx中ガロン", K::Label, 8500, 2400, 900, 270, kBlank},
    {"lblCard", K::Label, 5400, 2700, 1300, 270, "WEIGHT", 0, true, 17},
    {"tbxゼロフューエル", K::Label, 6800, 2700, 1000, 270, kBlank},
    {"tbxグロス", K::Label, 7900, 2700, 1000, 270, kBlank},
    {"tbxバランス", K::Label, 9000, 2700, 500, 270, kBlank},
    {"lblCard", K::Label, 5400, 3000, 1300, 270, "FLAP", 0, true, 18},
    {"tbxフラップ", K::Label, 6800, 3000, 500, 270, kBlank},
    {"lblCard", K::Label, 5400, 3300, 1300, 270, "THRUST", 0, true, 19},
    {"tbxスラスト1", K::Label, 6800, 3300, 900, 270, kBlank},
    {"tbxスラスト2", K::Label, 7800, 3300, 900, 270, kBlank},
    {"lblCard", K::Label, 5400, 3600, 1300, 270, "CLIMB", 0, true, 20},
    {"tbx上昇", K::Label, 6800, 3600, 1500, 270, kBlank},
    {"lblCard", K::Label, 5400, 3900, 1300, 270, "EO ACCEL", 0, true, 21},
    {"tbxエンジンアウト", K::Label, 6800, 3900, 800, 270, kBlank},
    {"lblCard", K::Label, 5400, 4200, 1300, 270, "ACCEL", 0, true, 22},
    {"tbxアクセラ", K::Label, 6800, 4200, 800, 270, kBlank},
    {"lblCard", K::Label, 5400, 4500, 1300, 270, "REDUCTION", 0, true, 23},
    {"tbxリダクション", K::Label, 6800, 4500, 800, 270, kBlank},
    {"lblCard", K::Label, 5400, 4800, 1300, 270, "V1", 0, true, 24},
    {"tbxV1", K::Label, 6800, 4800, 500, 270, kBlank},
    {"lblCard", K::Label, 5400, 5100, 1300, 270, "VR", 0, true, 25},
    {"tbxVr", K::Label, 6800, 5100, 500, 270, kBlank},
    {"lblCard", K::Label, 5400, 5400, 1300, 270, "V2", 0, true, 26},
    {"tbxV2", K::Label, 6800, 5400, 500, 270, kBlank},
    {"lblCard", K::Label, 5400, 5700, 1300, 270, "CRUISE", 0, true, 27},
    {"tbx巡航高度", K::Label, 6800, 5700, 1000, 270, kBlank},
    {"lblCard", K::Label, 5400, 6000, 1300, 270, "BEFORE V1", 0, true, 28},
    {"tbxBefV1", K::Label, 6800, 6000, 2800, 270, kBlank},
    {"lblCard", K::Label, 5400, 6300, 1300, 270, "AFTER V1", 0, true, 29},
    {"tbxAftV1", K::Label, 6800, 6300, 2800, 270, kBlank},
    {"tbxAftV1高度", K::Label, 6800, 6600, 800, 270, kBlank},
    {"lblCard", K::Label, 5400, 6900, 1300, 270, "RETURN", 0, true, 30},
    {"tbx方式1", K::Label, 6800, 6900, 1550, 270, kBlank},
    {"tbx方式2", K::Label, 8400, 6900, 1600, 270, kBlank},
};

// Where each row's tick sits (its left and top) and the line under it (from, to).
struct RowPlace {
  double tickLeft, top, lineFrom, lineTo;
};
constexpr double kLeftTick = 450, kLeftFrom = 780, kLeftTo = 4650;
constexpr double kRightTick = 5070, kRightFrom = 5400, kRightTo = 9700;
constexpr RowPlace Left(double top) { return {kLeftTick, top, kLeftFrom, kLeftTo}; }
constexpr RowPlace Right(double top) { return {kRightTick, top, kRightFrom, kRightTo}; }
constexpr std::array<RowPlace, 31> kRowPlaces = {{
    Left(60),   Left(420),  Left(780),  {kLeftTick, 1500, kLeftFrom, 2620},  // 0 to 3: title, header, route, runway
    Left(1800), Left(2100), Left(2400), Left(2700), Left(3000), Left(3300),  // 4 to 9: wind, temperatures, QNH, weather
    {2620, 1500, 2900, 4200},                                                 // 10: the runway's side
    Right(1500), Right(1800), Right(2100), Right(2700), Right(3000),          // 11 to 15: fuel, tanks, weights, flap
    Right(3300), Right(3600), Right(3900), Right(4200), Right(4500),          // 16 to 20: thrust to reduction
    Right(4800), Right(5100), Right(5400), Right(5700), Right(6000),          // 21 to 25: V-speeds, cruise
    Right(6300), Right(6600), Right(6900),                                    // 26 to 28: after V1, return
    Left(4800), Left(5100),                                                   // 29, 30: minimums
}};
constexpr double kTickSize = 270;
constexpr double kLineBelow = 285;

constexpr auto kRows = [] {
  std::array<ui::ControlRow, std::size(kLabelRows) + 2 * kRowPlaces.size()> rows{};
  std::size_t n = 0;
  for (const ui::ControlRow& row : kLabelRows) rows[n++] = row;
  for (std::size_t i = 0; i < kRowPlaces.size(); ++i) {
    const RowPlace& p = kRowPlaces[i];
    const int index = static_cast<int>(i);
    rows[n++] = {"Image1", K::Image, p.tickLeft, p.top, kTickSize, kTickSize, {}, 0, false, index};
    rows[n++] = {"Line1", K::Line, p.lineFrom, p.top + kLineBelow, p.lineTo, p.top + kLineBelow, {}, 0, false, index};
  }
  return rows;
}();

constexpr ui::FormLayout kLayout{"frmTOB2", kFormWidth, kFormHeight, kRows};

// The tick of a row read: a red check mark, 20 pixels square.
ui::Picture TickPicture() {
  QImage image(20, 20, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0xE0, 0x00, 0x00), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPolyline(QPolygon({QPoint(3, 10), QPoint(8, 16), QPoint(17, 4)}));
  painter.end();
  return ui::Picture::FromImage(image);
}

std::string Digits(std::int64_t value) { return runtime::IntText(value); }
std::string Grouped(double value) { return runtime::Format(value, "#,##0"); }

}  // namespace

const ui::FormLayout& FrmTob2Layout() { return kLayout; }

FrmTOB2::FrmTOB2(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frmTOB2"), pro_(pro) {
  onLoad = [this] { frmTOB2_Form_Load(); };
  onUnload = [this] { frmTOB2_Form_Unload(); };
}

void FrmTOB2::Design() {
  SetCaption("Takeoff Briefing");
  SetBorderStyle(ui::BorderStyle::FixedToolWindow);
  SetBackColor(ui::Colour::Rgb(0xFF, 0xFB, 0xF0));  // the card's paper
  Move(0, 0, kLayout.width, kLayout.height);
  ui::ApplyLayout(*this, kLayout.rows);
  const ui::Picture tick = TickPicture();
  // Stretched first, so that the picture keeps each tick at its design size.
  for (ui::Image* image : Image1.Elements()) {
    image->SetStretch(true);
    image->SetPicture(tick);
  }
  for (ui::Line* line : Line1.Elements()) {
    line->SetBorderColor(ui::Colour::Rgb(0xFF, 0x00, 0x00));
    line->SetBorderWidth(2);
  }
}

void FrmTOB2::frmTOB2_Form_Load() {
  for (int i = 0; i <= 30; ++i) {
    Image1(i).SetVisible(false);
    Line1(i).SetVisible(false);
  }
  pro_.svc.pump->Pump();
  ShowTobCard();
  pro_.svc.pump->Pump();
}

void FrmTOB2::frmTOB2_Form_Unload() { announce::BringSimulatorToFront(pro_); }

void FrmTOB2::ShowTobCard() {
  state::TobBriefingValues& t = pro_.briefing.TobBriefing;
  auto& pump = *pro_.svc.pump;

  if (pro_.sim.AddonSessionOpen && t.AircraftTypeCode == 0 && pro_.svc.addon) {
    platform::AddonDataRecord record;
    if (pro_.svc.addon->ReadData(record) != platform::kAddonOk) return;
    pump.Pump();
    t.TakeoffV1 = runtime::CInt(record.At(platform::AddonDataRecord::kV1));
    t.TakeoffVr = runtime::CInt(record.At(platform::AddonDataRecord::kVr));
    t.TakeoffV2 = runtime::CInt(record.At(platform::AddonDataRecord::kV2));
    t.CruiseAltitude = record.At(platform::AddonDataRecord::kCruiseAltitudeFt);
  }

  tbx航空会社.SetCaption(t.AirlineName);
  tbxシップ.SetCaption(t.ShipName);
  tbx機種.SetCaption(t.AircraftTypeText);
  tbx便名.SetCaption(t.FlightNumber);

  // The distance still to fly, from where the aircraft is now.
  auto& files = pro_.files;
  const state::RouteAirport& arrival = files.RouteAirports[1];
  const double km = simlink::GreatCircleDistance(arrival.latitude * simlink::kLatitudeDegreesPerUnit,
                                                 arrival.longitude * simlink::kLongitudeDegreesPerUnit,
                                                 pro_.sim.AircraftPosition.latitude,
                                                 pro_.sim.AircraftPosition.longitude) /
                    1000.0;
  files.RouteDistance = km;
  tbxKm.SetCaption(Grouped(km));
  tbxMiles.SetCaption(Grouped(km / 1.852));

  for (int i = 0; i <= 1; ++i) {
    tbxICAO(i).SetCaption(files.RouteAirports[static_cast<std::size_t>(i)].icao);
    tbx空港名(i).SetCaption(files.RouteAirports[static_cast<std::size_t>(i)].name);
  }
  tbxゲート番号(0).SetCaption(Digits(t.DepartureGate));
  const auto& departure = pro_.briefing.BriefingTimes.events[0];
  tbxHour(0).SetCaption(runtime::Format(departure.localHour, "00"));
  tbxMinutes(0).SetCaption(runtime::Format(departure.localMinute, "00"));
  tbxHour(1).SetCaption(runtime::Format(pro_.briefing.PlannedFlightTime.hours, "00"));
  tbxMinutes(1).SetCaption(runtime::Format(pro_.briefing.PlannedFlightTime.minutes, "00"));
  tbxRWY1.SetCaption(t.TakeoffRunwayDigit1);
  tbxRWY2.SetCaption(t.TakeoffRunwayDigit2);
  tbxRWY3.SetCaption(t.TakeoffRunwaySide);

  tbx天候.SetCaption(t.WeatherWordText);
  tbx気温.SetCaption(t.TemperatureText);
  tbx露点.SetCaption(t.DewPointText);
  tbxQNH1.SetCaption(t.QnhInHgText);
  tbxQNH2.SetCaption(t.QnhHpaText);
  tbxWindTurbulenceA.SetCaption(t.TurbulenceText);
  tbxRainType.SetCaption(t.RainTypeText);
  tbxRainRate.SetCaption(t.RainRateText);
  tbx低雲上限.SetCaption(t.LowCloudTopText);
  tbx低雲下限.SetCaption(t.LowCloudBaseText);
  tbx低雲量.SetCaption(t.LowCloudCoverText);
  tbx高雲上限.SetCaption(t.HighCloudTopText);
  tbx高雲下限.SetCaption(t.HighCloudBaseText);
  tbx高雲量.SetCaption(t.HighCloudCoverText);
  tbx嵐上限.SetCaption(t.StormTopText);
  tbx嵐下限.SetCaption(t.StormBaseText);
  tbx嵐量.SetCaption(t.StormCoverText);
  tbx風向.SetCaption(t.WindDirectionText);
  tbx風速.SetCaption(t.WindSpeedText);
  tbxWindInfoG.SetCaption(t.WindWordText);
  tbxWindInfoDoG.SetCaption(t.WindAngleText);

  // The fuel now, which the reports compare with the fuel at arrival.
  const state::FuelTotalsRecord& f = pro_.sim.FuelTotals;
  tbx左割合.SetCaption(Digits(f.leftPercent));
  tbx右割合.SetCaption(Digits(f.rightPercent));
  tbx中割合.SetCaption(Digits(f.centrePercent));
  tbx合計割合.SetCaption(Digits(f.totalPercent));
  tbx左ポンド.SetCaption(Grouped(f.leftLbs));
  tbx右ポンド.SetCaption(Grouped(f.rightLbs));
  tbx中ポンド.SetCaption(Grouped(f.centreLbs));
  tbx合計ポンド.SetCaption(Grouped(f.FuelTotalLbs));
  tbx左ガロン.SetCaption(Grouped(f.leftGallons));
  tbx右ガロン.SetCaption(Grouped(f.rightGallons));
  tbx中ガロン.SetCaption(Grouped(f.centreGallons));
  tbx合計ガロン.SetCaption(Grouped(f.totalGallons));
  pro_.briefing.DepartureFuel = {f.leftPercent,   f.leftLbs,      f.leftGallons,   f.rightPercent,
                                 f.rightLbs,      f.rightGallons, f.centrePercent, f.centreLbs,
                                 f.centreGallons, f.totalPercent, f.FuelTotalLbs,  f.totalGallons};
  tbxゼロフューエル.SetCaption(Grouped(pro_.sim.ZeroFuelWeightLbs));
  tbxグロス.SetCaption(Grouped(static_cast<double>(f.FuelTotalLbs) + pro_.sim.ZeroFuelWeightLbs));

  tbxフラップ.SetCaption(Digits(t.TakeoffFlap));
  tbxスラスト1.SetCaption(t.TakeoffThrust);
  tbxスラスト2.SetCaption(t.ClimbThrust);
  tbx上昇.SetCaption(t.ClimbMode);
  tbxV1.SetCaption(Digits(t.TakeoffV1));
  tbxVr.SetCaption(Digits(t.TakeoffVr));
  tbxV2.SetCaption(Digits(t.TakeoffV2));
  tbx巡航高度.SetCaption(Digits(t.CruiseAltitude));
  tbxエンジンアウト.SetCaption(Digits(t.EngineOutAccelerationHeight));
  tbxアクセラ.SetCaption(Digits(t.AccelerationHeight));
  tbxリダクション.SetCaption(Digits(t.ReductionHeight));
  tbxBefV1.SetCaption(t.BeforeV1Action);
  tbxAftV1.SetCaption(t.AfterV1Action);
  tbxAftV1高度.SetCaption(Digits(t.TroubleReturnAltitude));
  tbx方式1.SetCaption(t.ReturnPattern);
  tbx方式2.SetCaption(t.ReturnApproach);
  tbxMinimum.SetCaption(Digits(t.MinimumAltitude));
  tbxAprMinimum.SetCaption(Digits(t.ApproachingMinimumAltitude));
}

void FrmTOB2::ShowTopmost() {
  Load();
  announce::SetWindowTopmost(pro_, Handle());
  Show();
  pro_.svc.pump->Pump();
  announce::BringSimulatorToFront(pro_);
}

void FrmTOB2::SetVisible(bool visible) {
  if (Loaded()) Form::SetVisible(visible);
}

void FrmTOB2::Mark(int row, bool on) {
  if (Loaded() && Line1.Exists(row)) Line1(row).SetVisible(on);
}

void FrmTOB2::Reveal(int row) {
  if (Loaded() && Image1.Exists(row)) Image1(row).SetVisible(true);
}

void FrmTOB2::Unload() {
  if (Loaded()) Form::Unload();
}

}  // namespace vx::briefing
