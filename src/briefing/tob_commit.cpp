#include "briefing/tob_commit.h"

#include <cmath>
#include <exception>
#include <utility>

#include "runtime/cp932.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "runtime/text_rules.h"
#include "state/briefing_state.h"

namespace vx::briefing {

namespace {

constexpr std::int32_t kGroundHeight = 200;

// 16-bit arithmetic of the time block: a result outside the Integer range is an overflow.
std::int16_t Checked16(std::int32_t value) {
  if (value < INT16_MIN || value > INT16_MAX) throw runtime::RuntimeError(runtime::kOverflow);
  return static_cast<std::int16_t>(value);
}
std::int16_t Add16(std::int16_t a, std::int32_t b) { return Checked16(a + b); }
std::int16_t Mul16(std::int16_t a, std::int32_t b) { return Checked16(a * b); }
// Whole part of value / 60, rounded down.
std::int16_t Hours(std::int16_t minutes) {
  return static_cast<std::int16_t>(std::floor(static_cast<double>(minutes) / 60.0));
}
// One step into the day each way, not a modulo.
std::int16_t WrapOnce(std::int16_t minutes) {
  if (minutes < 0) minutes = Add16(minutes, 1440);
  if (minutes > 1439) minutes = Add16(minutes, -1440);
  return minutes;
}

void CommitTimes(const TobSheetTexts& sheet, std::int16_t offset, state::BriefingState& b, std::string& label) {
  state::BriefingTimesValues& times = b.BriefingTimes;
  state::BriefingEventTime& departure = times.events[0];
  state::BriefingEventTime& arrival = times.events[1];
  times.departureTimeDifference = offset;
  std::int16_t d = Add16(Add16(Mul16(departure.localHour, 60), departure.localMinute), offset);
  d = WrapOnce(d);
  departure.gmtHour = Hours(d);
  departure.gmtMinute = Add16(d, -departure.gmtHour * 60);

  label = "飛行時間が";
  b.PlannedFlightTime.hours = runtime::CInt(sheet.tbxHour[1]);
  b.PlannedFlightTime.minutes = runtime::CInt(sheet.tbxMinutes[1]);
  std::int16_t a = Add16(Add16(Mul16(Add16(b.PlannedFlightTime.hours, departure.gmtHour), 60), departure.gmtMinute),
                         b.PlannedFlightTime.minutes);
  b.ArrivalHourUnwrapped = Hours(a);
  if (a > 1439) a = Add16(a, -1440);
  arrival.gmtHour = Hours(a);
  arrival.gmtMinute = Add16(a, -arrival.gmtHour * 60);
  std::int16_t l = Add16(Add16(Mul16(arrival.gmtHour, 60), arrival.gmtMinute), -offset);
  l = WrapOnce(l);
  arrival.localHour = Hours(l);
  arrival.localMinute = Add16(l, -arrival.localHour * 60);
}

void CommitFields(const TobSheetTexts& s, const TobCommitSim& sim, state::BriefingState& b, std::string& label) {
  using runtime::CInt;
  using runtime::CLng;
  state::TobBriefingValues& t = b.TobBriefing;
  // Texts the settings file keeps as typed: one holding a character CP932 lacks is
  // refused before anything is committed, so that no save writes it as "?".
  const std::pair<const char*, const std::string*> typed[] = {
      {"航空会社が", &s.tbx航空会社}, {"シップが", &s.tbxシップ},
      {"機種の選択が", &s.combo機種},  {"便名が", &s.tbx便名},
      {"ローリング中のエンジンアウトが", &s.tbxBefV1}, {"Ｖ１以降のエンジンアウトが", &s.tbxAftV1}};
  for (const auto& [name, text] : typed) {
    label = name;
    runtime::RefuseCharactersCp932Lacks(*text);
  }
  label.clear();
  t.FsYear = CInt(s.tbx年);
  t.FsMonth = CInt(s.tbx月);
  t.FsDay = CInt(s.tbx日);
  t.AirlineName = s.tbx航空会社;
  t.ShipName = s.tbxシップ;
  t.AircraftTypeText = s.combo機種;
  label = "機種の選択が";
  t.AircraftTypeCode = runtime::CInt(runtime::Int(runtime::CDbl(runtime::Left(s.combo機種, 2))));
  t.FlightNumber = s.tbx便名;
  b.TimeDisplayOption = s.selTimeON ? 1 : 0;
  label = "オートポーズの距離設定が";
  b.AutoPauseDistance = CInt(s.tbxAutoPauseKm);
  t.FlipBoardOn = static_cast<std::int16_t>(s.checkパタパタ時刻表);
  t.DepartureGate = CInt(s.tbxゲート番号);
  label = "出発時刻が";
  b.BriefingTimes.events[0].localHour = CInt(s.tbxHour[0]);
  b.BriefingTimes.events[0].localMinute = CInt(s.tbxMinutes[0]);
  t.DepartureAesFlag = static_cast<std::int16_t>(s.checkAES出発空港);
  // No pushback at an airport marked for the AES add-on.
  if (t.DepartureAesFlag == 1) b.PushbackSettings.pushbackOn = 0;
  t.ArrivalAesFlag = static_cast<std::int16_t>(s.checkAES到着空港);
  if (sim.heightAboveGround <= kGroundHeight) CommitTimes(s, sim.simTimeOffset, b, label);

  t.TakeoffRunwayDigit1 = s.comboRWY1;
  t.TakeoffRunwayDigit2 = s.comboRWY2;
  t.TakeoffRunwaySide = s.comboRWY3;
  t.TakeoffRunway = TakeoffRunwayText(s.comboRWY1, s.comboRWY2, s.comboRWY3);
  t.WindDirectionText = s.tbx風向;
  t.WindSpeedText = s.tbx風速;
  t.TemperatureText = s.tbx気温;
  t.DewPointText = s.tbx露点;
  t.TurbulenceText = s.tbxWindTurbulenceA;
  t.QnhInHgText = s.tbxQNH1;
  t.QnhHpaText = s.tbxQNH2;
  t.WeatherWordText = s.tbx天候;
  t.RainTypeText = s.tbxRainType;
  t.RainRateText = s.tbxRainRate;
  t.LowCloudTopText = s.tbx低雲上限;
  t.LowCloudBaseText = s.tbx低雲下限;
  t.LowCloudCoverText = s.tbx低雲量;
  t.HighCloudTopText = s.tbx高雲上限;
  t.HighCloudBaseText = s.tbx高雲下限;
  t.HighCloudCoverText = s.tbx高雲量;
  t.StormTopText = s.tbx嵐上限;
  t.StormBaseText = s.tbx嵐下限;
  t.StormCoverText = s.tbx嵐量;
  t.WindAngleText = s.tbxWindInfoDoG;
  t.WindWordText = s.tbxWindInfoG;

  label = "フラップが";
  t.TakeoffFlap = CInt(s.comboフラップ);
  t.TakeoffThrust = s.comboスラスト1;
  t.ClimbThrust = s.comboスラスト2;
  t.ClimbMode = s.combo上昇;
  label = "Ｖ１が";
  t.TakeoffV1 = CInt(s.tbxV1);
  label = "Ｖｒが";
  t.TakeoffVr = CInt(s.tbxVr);
  label = "Ｖ２が";
  t.TakeoffV2 = CInt(s.tbxV2);
  label = "巡航高度が";
  t.CruiseAltitude = CLng(s.tbx巡航高度);
  label = "エンジンアウト・アクセラレーションが";
  t.EngineOutAccelerationHeight = CInt(s.tbxエンジンアウト);
  label = "アクセラレーションが";
  t.AccelerationHeight = CInt(s.tbxアクセラ);
  label = "リダクションが";
  t.ReductionHeight = CInt(s.tbxリダクション);
  t.BeforeV1Action = s.tbxBefV1;
  t.AfterV1Action = s.tbxAftV1;
  label = "離陸後のトラブルリターン時の高度が";
  t.TroubleReturnAltitude = CInt(s.tbxAftV1高度);
  t.ReturnPattern = s.combo方式1;
  t.ReturnApproach = s.combo方式2;
  label = "ミニマム高度が";
  t.MinimumAltitude = CInt(s.tbxMinimum);
  label = "アプローチング・ミニマム高度が";
  t.ApproachingMinimumAltitude = CInt(s.tbxAprMinimum);
}

}  // namespace

std::optional<TobCommitError> CommitTobValues(const TobSheetTexts& sheet, const TobCommitSim& sim,
                                              state::BriefingState& briefing) {
  std::string label;
  try {
    CommitFields(sheet, sim, briefing, label);
  } catch (const runtime::RuntimeError& e) {
    return TobCommitError{e.Text(), label};
  } catch (const std::exception& e) {
    return TobCommitError{e.what(), label};
  }
  return std::nullopt;
}

std::string TobCommitMessage(const TobCommitError& error) {
  return error.description + "\n\n" + error.label + "正しくありません\n入力を確認してください";
}

std::string TakeoffRunwayText(const std::string& digit1, const std::string& digit2, const std::string& side) {
  std::string letter = "N";
  if (side == "レフト(L)") letter = "L";
  else if (side == "ライト(R)") letter = "R";
  else if (side == "センター(C)") letter = "C";
  return digit1 + digit2 + letter;
}

HourMinute TenMinutesBefore(HourMinute departure) {
  HourMinute t = departure;
  if (t.minute >= 10) {
    t.minute = static_cast<std::int16_t>(t.minute - 10);
  } else {
    t.minute = static_cast<std::int16_t>(t.minute + 50);
    t.hour = static_cast<std::int16_t>(t.hour - 1);
    if (t.hour < 0) t.hour = 23;
  }
  return t;
}

}  // namespace vx::briefing
