#include "datafiles/flight_report.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "runtime/text_rules.h"

namespace vx::datafiles {
namespace {

using runtime::Format;
using runtime::GeneralNumber;
using runtime::IntText;

constexpr std::string_view kWideColon = "：";
constexpr std::string_view kColon = ":";
constexpr double kKmPerNauticalMile = 1.852;

constexpr std::string_view kReportFolder = "\\FlightReport\\";
constexpr std::string_view kValuesFile = "\\FlightReport\\FlightReport.txt";
constexpr std::string_view kCsvFile = "\\FlightReport\\FlightReport.csv";

std::string Repeat(std::string_view s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}
std::string Spaces(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// A label of the report: leading blanks, the text, trailing blanks (so that the value
// starts at the label's byte column).
std::string Label(int lead, std::string_view text, int trail) { return Spaces(lead) + std::string(text) + Spaces(trail); }

const std::string kR72 = Repeat("~", 72);
const std::string kR64 = Spaces(8) + Repeat("~", 64);
const std::string kR60 = Spaces(12) + Repeat("~", 60);
const std::string kR52 = Spaces(20) + Repeat("~", 52);

std::string ClockText(int hour, int minute, std::string_view colon) {
  return Format(hour, "00") + std::string(colon) + Format(minute, "00");
}
std::string LocalText(const state::BriefingEventTime& t, std::string_view colon) {
  return ClockText(t.localHour, t.localMinute, colon);
}
std::string GmtText(const state::BriefingEventTime& t, std::string_view colon) {
  return ClockText(t.gmtHour, t.gmtMinute, colon);
}

// "2024年 05月 01日"
std::string DateText(int year, int month, int day) {
  return Format(year, "0000") + "年 " + Format(month, "00") + "月 " + Format(day, "00") + "日";
}
// "2024/05/01"
std::string SlashDate(int year, int month, int day) {
  return Format(year, "0000") + "/" + Format(month, "00") + "/" + Format(day, "00");
}

std::string RateWord(std::uint8_t rate) {
  switch (rate) {
    case 1: return "微";
    case 2: return "小";
    case 3: return "中";
    case 4: return "強";
    case 5: return "暴";
    default: return "--";
  }
}

// The briefing's weather word, with its rate word after `joint` for rain and snow.
std::string BriefingWeatherWord(const state::TobBriefingValues& w, std::string_view joint) {
  if (w.WeatherWordText == "雨" || w.WeatherWordText == "雪") return w.WeatherWordText + std::string(joint) + w.RainRateText;
  return w.WeatherWordText;
}

// Percent, pounds, gallons of one tank group.
struct FuelTriple {
  std::int32_t percent = 0, pounds = 0, gallons = 0;
};
std::array<FuelTriple, 4> DepartureTriples(const FlightReportInputs& in) {
  std::array<FuelTriple, 4> out;
  for (std::size_t g = 0; g < 4; ++g)
    out[g] = {in.departureFuel[g * 3], in.departureFuel[g * 3 + 1], in.departureFuel[g * 3 + 2]};
  return out;
}
std::array<FuelTriple, 4> LiveTriples(const FlightReportInputs& in) {
  const auto& f = in.fuel;
  return {{{f.leftPercent, f.leftLbs, f.leftGallons},
           {f.rightPercent, f.rightLbs, f.rightGallons},
           {f.centrePercent, f.centreLbs, f.centreGallons},
           {f.totalPercent, f.FuelTotalLbs, f.totalGallons}}};
}
std::array<FuelTriple, 4> UsedTriples(const FlightReportInputs& in) {
  const auto dep = DepartureTriples(in);
  const auto live = LiveTriples(in);
  std::array<FuelTriple, 4> out;
  for (std::size_t g = 0; g < 4; ++g)
    out[g] = {dep[g].percent - live[g].percent, dep[g].pounds - live[g].pounds, dep[g].gallons - live[g].gallons};
  return out;
}

// Four fuel lines, each followed by its rule.
void AddFuelLines(std::vector<std::string>& lines, const std::array<FuelTriple, 4>& fuel) {
  static constexpr std::array<std::pair<std::string_view, int>, 4> kLabels = {
      {{"左ウィング", 3}, {"右ウィング", 3}, {"センター", 5}, {"合計", 9}}};
  for (std::size_t g = 0; g < 4; ++g) {
    const FuelTriple& t = fuel[g];
    lines.push_back(Label(14, kLabels[g].first, kLabels[g].second) + Format(t.percent, "0") + " ％   " +
                    Format(t.pounds, "#,##0") + " ポンド   " + Format(t.gallons, "#,##0") + " ガロン");
    lines.push_back(kR60);
  }
}

std::string ReportDateTime(int year, int month, int day, int hour, int minute) {
  return DateText(year, month, day) + "　" + ClockText(hour, minute, kWideColon);
}

// A text of the log: a comma would split its field.
std::string CsvText(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == ',')
      out += "，";
    else
      out += c;
  }
  return out;
}

constexpr std::array<std::string_view, 81> kCsvHeader = {
    "フライト実日時", "フライトＦＳ日時", "機材", "航空会社", "便名", "巡航高度", "出発空港ICAO", "空港名",
    "出発定刻", "出発定刻GMT", "出発時差", "出発実時刻（プッシュバック開始時刻）", "出発実時刻GMT", "離陸滑走路",
    "天候", "雲量低", "雲量高", "気温", "風向", "風速",
    "燃料左翼％", "燃料左翼ポンド", "燃料左翼ガロン", "燃料右翼％", "燃料右翼ポンド", "燃料右翼ガロン",
    "燃料中央％", "燃料中央ポンド", "燃料中央ガロン", "燃料合計％", "燃料合計ポンド", "燃料合計ガロン",
    "到着空港ICAO", "空港名", "到着定刻", "到着定刻GMT", "到着時差", "到着実時刻（ゲート到着時刻）", "到着実時刻GMT",
    "アプローチ方式", "着陸滑走路", "天候", "雲量低", "雲量高", "気温", "風向", "風速",
    "燃料左翼％", "燃料左翼ポンド", "燃料左翼ガロン", "燃料右翼％", "燃料右翼ポンド", "燃料右翼ガロン",
    "燃料中央％", "燃料中央ポンド", "燃料中央ガロン", "燃料合計％", "燃料合計ポンド", "燃料合計ガロン",
    "飛行距離Km", "飛行距離マイル", "最高高度フィート", "最高速度IAS", "最高速度TAS", "最高速度MACH",
    "最高速度GS（対地速度 Km/h）", "予定時間", "飛行時間", "結果",
    "使用燃料左翼％", "使用燃料左翼ポンド", "使用燃料左翼ガロン", "使用燃料右翼％", "使用燃料右翼ポンド",
    "使用燃料右翼ガロン", "使用燃料中央％", "使用燃料中央ポンド", "使用燃料中央ガロン", "使用燃料合計％",
    "使用燃料合計ポンド", "使用燃料合計ガロン",
};

std::string RuntimeFault(const std::exception& error) {
  if (const auto* e = dynamic_cast<const runtime::RuntimeError*>(&error)) return e->Text();
  return error.what();
}

}  // namespace

std::string WeatherSummaryText(std::uint8_t precipitationType, std::uint8_t precipitationRate,
                               const state::CloudLayerSet& clouds) {
  if (precipitationType == 1) return "雨 / " + RateWord(precipitationRate);
  if (precipitationType == 2) return "雪 / " + RateWord(precipitationRate);
  const int cover = std::max(clouds.high.cover, clouds.low.cover);
  if (cover <= 0) return "快晴";
  if (cover <= 2) return "晴";
  return "曇り";
}

std::string TimeDifferenceText(int minutes, std::string_view colon) {
  const int hours = std::abs(minutes) / 60;
  const int rest = std::abs(minutes) - hours * 60;
  return (minutes < 0 ? "-" : "") + ClockText(hours, rest, colon);
}

FlightDurations FlightDurationsOf(const state::BriefingTimesValues& times, std::string_view timeDiffCorrection) {
  const bool local = timeDiffCorrection == "OFF";
  auto at = [&](std::size_t event) {
    const auto& t = times.events[event];
    return local ? t.localHour * 60 + t.localMinute : t.gmtHour * 60 + t.gmtMinute;
  };
  auto span = [](int from, int to) { return to - from < 0 ? to - from + 1440 : to - from; };
  return {span(at(0), at(1)), span(at(2), at(3))};
}

std::string DurationText(int minutes, std::string_view colon) { return ClockText(minutes / 60, minutes % 60, colon); }

std::string DelayText(const FlightDurations& d, std::string_view colon) {
  const int x = d.actual - d.planned;
  if (x < 0) return DurationText(-x, colon) + " 早着";
  return DurationText(x, colon) + " 遅れ";
}

std::string RunwayText(std::string_view runway) {
  std::string text = runtime::Trim(runway);
  if (!text.empty() && text.back() == 'N') text.pop_back();
  return text;
}

std::vector<std::string> FlightReportLines(const FlightReportInputs& in, const platform::LocalDateTime& now) {
  const auto& tob = in.tob;
  const auto& ev = in.times.events;
  const auto& dep = in.route[0];
  const auto& arr = in.route[1];
  const auto& w = in.tob;
  const FlightDurations d = FlightDurationsOf(in.times, in.timeDiffCorrection);
  const std::string sky = Spaces(10) + "気象情報";
  const std::string skyRule = Spaces(8) + Repeat("~", 12);
  const std::string fuel = Spaces(10) + "燃料";
  const std::string fuelRule = Spaces(8) + Repeat("~", 8);

  std::vector<std::string> l;
  l.reserve(102);
  l.push_back("");
  l.push_back(Spaces(18) + Repeat("*", 33));
  l.push_back(Spaces(21) + "VexlorPro フライト レポート" + Spaces(3));
  l.push_back(Spaces(18) + Repeat("*", 33));
  l.push_back("");
  l.push_back(Spaces(46) + "機長：　" + in.captainName);
  l.push_back(Spaces(44) + Repeat("~", 28));
  l.push_back("");
  l.push_back("");
  l.push_back(Label(2, "フライト実日付", 13) + ReportDateTime(now.year, now.month, now.day, now.hour, now.minute));
  l.push_back(kR72);
  l.push_back(Label(2, "フライトＦＳ日付", 11) +
              ReportDateTime(tob.FsYear, tob.FsMonth, tob.FsDay, ev[1].localHour, ev[1].localMinute));
  l.push_back(kR72);
  l.push_back(Label(2, "機材", 21) + tob.ShipName);
  l.push_back(kR72);
  l.push_back(Label(2, "航空会社", 17) + tob.AirlineName);
  l.push_back(kR72);
  l.push_back(Label(2, "便名", 21) + tob.FlightNumber);
  l.push_back(kR72);
  l.push_back(Label(2, "巡航高度", 17) + Format(tob.CruiseAltitude, "#,##0") + " フィート");
  l.push_back(kR72);
  l.push_back("");
  l.push_back("");
  // Departure.
  l.push_back(Label(2, "出発    空港", 13) + dep.icao + "  " + dep.name);
  l.push_back(kR72);
  l.push_back(Label(10, "離陸滑走路", 7) + RunwayText(tob.TakeoffRunway));
  l.push_back(kR72);
  l.push_back(Label(10, "定刻", 13) + LocalText(ev[0], kWideColon) + "   GMT " + GmtText(ev[0], kWideColon) +
              "   時差 " + TimeDifferenceText(in.times.departureTimeDifference, kWideColon));
  l.push_back(kR64);
  l.push_back(Label(10, "実時刻", 11) + LocalText(ev[2], kWideColon) + "   GMT " + GmtText(ev[2], kWideColon) +
              "（プッシュバック開始時刻）");
  l.push_back(kR64);
  l.push_back(sky);
  l.push_back(skyRule);
  l.push_back(Label(14, "天候・雲量", 3) + BriefingWeatherWord(w, " / ") + "    低 = " + w.LowCloudCoverText + "    高 = " +
              w.HighCloudCoverText);
  l.push_back(kR60);
  l.push_back(Label(14, "気温・風", 5) + w.TemperatureText + " ℃    " + w.WindDirectionText + " / " + w.WindSpeedText);
  l.push_back(kR60);
  l.push_back(fuel);
  l.push_back(fuelRule);
  AddFuelLines(l, DepartureTriples(in));
  l.push_back("");
  l.push_back("");
  // Arrival.
  l.push_back(Label(2, "到着    空港", 13) + arr.icao + "  " + arr.name);
  l.push_back(kR72);
  l.push_back(Label(10, "アプローチ方式", 3) + in.approachType + " " + in.approachVariant);
  l.push_back(kR72);
  l.push_back(Label(10, "着陸滑走路", 7) + RunwayText(in.landingRunway));
  l.push_back(kR72);
  l.push_back(Label(10, "定刻", 13) + LocalText(ev[1], kWideColon) + "   GMT " + GmtText(ev[1], kWideColon) +
              "   時差 " + TimeDifferenceText(in.times.arrivalTimeDifference, kWideColon));
  l.push_back(kR64);
  l.push_back(Label(10, "実時刻", 11) + LocalText(ev[3], kWideColon) + "   GMT " + GmtText(ev[3], kWideColon) +
              "（ゲート到着時刻）");
  l.push_back(kR64);
  l.push_back(sky);
  l.push_back(skyRule);
  l.push_back(Label(14, "天候・雲量", 3) + WeatherSummaryText(in.precipitationType, in.precipitationRate, in.clouds) +
              "    低 = " + IntText(in.clouds.low.cover) + " / 8    高 = " + IntText(in.clouds.high.cover) + " / 8");
  l.push_back(kR60);
  l.push_back(Label(14, "気温・風", 5) + IntText(in.outsideTemperature) + " ℃    " + Format(in.wind.direction, "000") +
              " / " + Format(in.wind.speed, "00"));
  l.push_back(kR60);
  l.push_back(fuel);
  l.push_back(fuelRule);
  AddFuelLines(l, LiveTriples(in));
  l.push_back("");
  l.push_back("");
  // Result.
  l.push_back(Label(2, "結果    飛行距離", 9) + Format(in.routeDistanceKm, "#,##0") + " Km   （ " +
              Format(in.routeDistanceKm / kKmPerNauticalMile, "#,##0") + " マイル）");
  l.push_back(kR72);
  l.push_back(Label(10, "最高高度", 8) + Format(in.maxima.altitudeFt, "#,##0") + " フィート");
  l.push_back(kR64);
  l.push_back(Label(10, "最高速度", 8) + "IAS = " + Format(in.maxima.indicatedAirspeedKt, "#,##0") +
              "     TAS = " + Format(in.maxima.trueAirspeedKt, "#,##0"));
  l.push_back(kR64);
  l.push_back(Spaces(25) + "MACH = " + Format(in.maxima.machTimes100 / 100.0, "#0.00") + "     GS = " +
              Format(in.maxima.groundSpeedKmh, "#,##0") + " km/h（対地速度）");
  l.push_back(kR52);
  l.push_back(Label(10, "予定時間", 8) + DurationText(d.planned, kWideColon));
  l.push_back(kR64);
  l.push_back(Label(10, "飛行時間", 8) + DurationText(d.actual, kWideColon) + Spaces(4) + DelayText(d, kWideColon));
  l.push_back(kR64);
  l.push_back(Spaces(10) + "燃料使用量");
  l.push_back(Spaces(8) + Repeat("~", 13));
  AddFuelLines(l, UsedTriples(in));
  l.push_back("");
  l.push_back(Spaces(52) + "お疲れさまでした♪");
  l.push_back("");
  return l;
}

std::vector<std::string> FlightReportValuesLines(const FlightReportInputs& in, const platform::LocalDateTime& now) {
  const auto& tob = in.tob;
  const auto& ev = in.times.events;
  const auto& w = in.tob;
  const FlightDurations d = FlightDurationsOf(in.times, in.timeDiffCorrection);
  const auto dep = DepartureTriples(in);
  const auto live = LiveTriples(in);
  const std::string stars = "; " + Repeat("*", 51);
  auto v = [](const std::string& value) { return "=" + value; };

  return {
      ";",
      stars,
      ";     フライト レポート   ",
      ";",
      ";    行の先頭に半角のセミコロン「；」がコメント行です",
      ";    行の先頭に半角の等号「=」が値です",
      stars,
      ";",
      ";使用機材",
      v(tob.ShipName),
      ";",
      ";巡航高度（最高高度）",
      v(IntText(in.maxima.altitudeFt)),
      ";",
      ";最高速度 IAS",
      v(IntText(in.maxima.indicatedAirspeedKt)),
      ";         TAS",
      v(IntText(in.maxima.trueAirspeedKt)),
      ";         MACH",
      v(IntText(in.maxima.machTimes100)),
      ";         GS",
      v(IntText(in.maxima.groundSpeedKmh)),
      ";",
      ";距離 マイル",
      v(GeneralNumber(in.routeDistanceKm / kKmPerNauticalMile)),
      ";距離 ｋｍ",
      v(GeneralNumber(in.routeDistanceKm)),
      ";",
      ";フライト実日付",
      v(DateText(now.year, now.month, now.day)),
      ";",
      ";フライトＦＳ日付",
      v(DateText(tob.FsYear, tob.FsMonth, tob.FsDay)),
      ";",
      ";定刻",
      ";　出発時刻",
      v(LocalText(ev[0], kWideColon)),
      ";　到着時刻",
      v(LocalText(ev[1], kWideColon)),
      ";　飛行時間",
      v(DurationText(d.planned, kWideColon)),
      ";",
      ";実際",
      ";　出発時刻（プッシュバック開始時刻）",
      v(LocalText(ev[2], kWideColon)),
      ";　到着時刻（ゲートに着いた時刻）",
      v(LocalText(ev[3], kWideColon)),
      ";　飛行時間",
      v(DurationText(d.actual, kWideColon)),
      ";　結果",
      v(DelayText(d, kWideColon)),
      ";",
      ";使用燃料 ポンド",
      v(IntText(dep[3].pounds - live[3].pounds)),
      ";使用燃料 ％",
      v(IntText(dep[3].percent - live[3].percent)),
      ";出発空港",
      v(in.route[0].icao),
      v(in.route[0].name),
      ";離陸滑走路",
      v(RunwayText(tob.TakeoffRunway)),
      ";天候",
      v(BriefingWeatherWord(w, "/")),
      ";風",
      v(w.WindDirectionText + "/" + w.WindSpeedText),
      ";雲量",
      v(w.LowCloudCoverText + " " + w.HighCloudCoverText),
      ";気温",
      v(w.TemperatureText),
      ";燃料 ポンド",
      v(IntText(dep[3].pounds)),
      ";燃料 ％",
      v(IntText(dep[3].percent)),
      ";到着空港",
      v(in.route[1].icao),
      v(in.route[1].name),
      ";アプローチ方式",
      v(in.approachType + " " + in.approachVariant),
      ";着陸滑走路",
      v(RunwayText(in.landingRunway)),
      ";天候",
      v(WeatherSummaryText(in.precipitationType, in.precipitationRate, in.clouds)),
      ";風",
      v(Format(in.wind.direction, "000") + "/" + IntText(in.wind.speed)),
      ";雲量",
      v(IntText(in.clouds.low.cover) + "/8 " + IntText(in.clouds.high.cover) + "/8"),
      ";気温",
      v(IntText(in.outsideTemperature)),
      ";燃料 ポンド",
      v(IntText(live[3].pounds)),
      ";燃料 ％",
      v(IntText(live[3].percent)),
  };
}

std::string FlightCsvHeader() {
  std::string line;
  for (std::string_view name : kCsvHeader) line += std::string(name) + ",";
  return line;
}

std::string FlightCsvRecord(const FlightReportInputs& in, const platform::LocalDateTime& now) {
  const auto& tob = in.tob;
  const auto& ev = in.times.events;
  const auto& w = in.tob;
  const FlightDurations d = FlightDurationsOf(in.times, in.timeDiffCorrection);
  std::vector<std::string> f;
  f.reserve(kCsvHeader.size());
  f.push_back(SlashDate(now.year, now.month, now.day) + " " + ClockText(now.hour, now.minute, kColon));
  f.push_back(SlashDate(tob.FsYear, tob.FsMonth, tob.FsDay) + " " + LocalText(ev[1], kColon));
  f.push_back(tob.ShipName);
  f.push_back(tob.AirlineName);
  f.push_back(tob.FlightNumber);
  f.push_back(Format(tob.CruiseAltitude, "0"));
  f.push_back(in.route[0].icao);
  f.push_back(in.route[0].name);
  f.push_back(LocalText(ev[0], kColon));
  f.push_back(GmtText(ev[0], kColon));
  f.push_back(TimeDifferenceText(in.times.departureTimeDifference, kColon));
  f.push_back(LocalText(ev[2], kColon));
  f.push_back(GmtText(ev[2], kColon));
  f.push_back(RunwayText(tob.TakeoffRunway));
  f.push_back(BriefingWeatherWord(w, " / "));
  f.push_back("低 " + w.LowCloudCoverText);
  f.push_back("高 " + w.HighCloudCoverText);
  f.push_back(w.TemperatureText);
  f.push_back(w.WindDirectionText);
  f.push_back(w.WindSpeedText);
  auto addFuel = [&](const std::array<FuelTriple, 4>& fuel) {
    for (const FuelTriple& t : fuel) {
      f.push_back(Format(t.percent, "0"));
      f.push_back(Format(t.pounds, "0"));
      f.push_back(Format(t.gallons, "0"));
    }
  };
  addFuel(DepartureTriples(in));
  f.push_back(in.route[1].icao);
  f.push_back(in.route[1].name);
  f.push_back(LocalText(ev[1], kColon));
  f.push_back(GmtText(ev[1], kColon));
  f.push_back(TimeDifferenceText(in.times.arrivalTimeDifference, kColon));
  f.push_back(LocalText(ev[3], kColon));
  f.push_back(GmtText(ev[3], kColon));
  f.push_back(in.approachType + " " + in.approachVariant);
  f.push_back(RunwayText(in.landingRunway));
  f.push_back(WeatherSummaryText(in.precipitationType, in.precipitationRate, in.clouds));
  f.push_back("低 " + IntText(in.clouds.low.cover) + "/8");
  f.push_back("高 " + IntText(in.clouds.high.cover) + "/8");
  f.push_back(Format(in.outsideTemperature, "0"));
  f.push_back(Format(in.wind.direction, "0"));
  f.push_back(Format(in.wind.speed, "0"));
  addFuel(LiveTriples(in));
  f.push_back(Format(in.routeDistanceKm, "0"));
  f.push_back(Format(in.routeDistanceKm / kKmPerNauticalMile, "0"));
  f.push_back(Format(in.maxima.altitudeFt, "0"));
  f.push_back(Format(in.maxima.indicatedAirspeedKt, "0"));
  f.push_back(Format(in.maxima.trueAirspeedKt, "0"));
  f.push_back(Format(in.maxima.machTimes100 / 100.0, "0.00"));
  f.push_back(Format(in.maxima.groundSpeedKmh, "0"));
  f.push_back(DurationText(d.planned, kColon));
  f.push_back(DurationText(d.actual, kColon));
  f.push_back(DelayText(d, kColon));
  addFuel(UsedTriples(in));

  std::string line;
  for (const std::string& field : f) line += CsvText(field) + ",";
  return line;
}

ReportWritten WriteFlightReport(const platform::Paths& paths, const platform::Clock& clock,
                                const FlightReportInputs& in) {
  const platform::LocalDateTime named = clock.Now();
  const std::string stem = std::string(kReportFolder) + "Report_" + Format(named.year, "0000") +
                           Format(named.month, "00") + Format(named.day, "00") + "_" + Format(named.hour, "00") +
                           Format(named.minute, "00");
  std::string literal = stem + ".txt";
  for (int n = 2; paths.Exists(literal); ++n) literal = stem + "_" + IntText(n) + ".txt";
  ReportWritten out{paths.Under(literal), {}};
  try {
    platform::WriteReportLinesAtomic(out.path, FlightReportLines(in, clock.Now()));
  } catch (const std::exception& error) {
    out.fault = RuntimeFault(error);
  }
  return out;
}

ReportWritten WriteFlightReportValues(const platform::Paths& paths, const platform::Clock& clock,
                                      const FlightReportInputs& in) {
  ReportWritten out{paths.Under(kValuesFile), {}};
  try {
    platform::WriteReportLinesAtomic(out.path, FlightReportValuesLines(in, clock.Now()));
  } catch (const std::exception& error) {
    out.fault = RuntimeFault(error);
  }
  return out;
}

ReportWritten AppendFlightCsv(const platform::Paths& paths, const platform::Clock& clock,
                              const FlightReportInputs& in) {
  const std::string record = FlightCsvRecord(in, clock.Now()) + "\r\n";
  ReportWritten out{paths.Under(kCsvFile), {}};
  const bool exists = platform::FileExists(out.path);
  std::error_code ec;
  const auto sizeBefore = exists ? std::filesystem::file_size(out.path, ec) : 0;
  try {
    platform::AppendTextFile(out.path, exists ? record : FlightCsvHeader() + "\r\n" + record);
  } catch (const std::exception& error) {
    out.fault = RuntimeFault(error);
    // Take back a part-written line (a full disk), or the file this call created.
    if (exists && !ec)
      std::filesystem::resize_file(out.path, sizeBefore, ec);
    else if (!exists && platform::FileExists(out.path))
      std::filesystem::remove(out.path, ec);
  }
  return out;
}

}  // namespace vx::datafiles
