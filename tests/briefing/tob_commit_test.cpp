#include "briefing/tob_commit.h"

#include <gtest/gtest.h>

#include <functional>

#include "state/briefing_state.h"

namespace vx::briefing {
namespace {

// A sheet every field of which can be read.
TobSheetTexts GoodSheet() {
  TobSheetTexts s;
  s.tbx年 = "2006";
  s.tbx月 = "12";
  s.tbx日 = "12";
  s.tbx航空会社 = "JAL 日本航空";
  s.tbxシップ = "JA8888";
  s.combo機種 = "04 B75/76 2 Engines";
  s.tbx便名 = "014";
  s.tbxAutoPauseKm = "0";
  s.tbxゲート番号 = "12";
  s.tbxHour = {"10", "01"};
  s.tbxMinutes = {"30", "15"};
  s.comboRWY1 = "1";
  s.comboRWY2 = "6";
  s.comboRWY3 = "ライト(R)";
  s.tbxWindInfoG = "ライトクロス";
  s.tbxWindInfoDoG = "+45";
  s.comboフラップ = "5";
  s.comboスラスト1 = "TO/CB";
  s.comboスラスト2 = "Climb2";
  s.combo上昇 = "SPD/HDG/ALT";
  s.tbxV1 = "132";
  s.tbxVr = "140";
  s.tbxV2 = "156";
  s.tbx巡航高度 = "28000";
  s.tbxエンジンアウト = "1500";
  s.tbxアクセラ = "3000";
  s.tbxリダクション = "1500";
  s.tbxAftV1高度 = "4000";
  s.tbxMinimum = "200";
  s.tbxAprMinimum = "350";
  return s;
}

struct CommitCase {
  const char* name;
  std::function<void(TobSheetTexts&)> change;
  std::int32_t height;
  bool ok;
  const char* label;  // of the error
  std::function<void(const state::BriefingState&)> check;
};

TEST(CommitTobValues, FieldsInOrderLabelsInForceAndSideEffects) {
  const CommitCase cases[] = {
      {"bad V1", [](TobSheetTexts& s) { s.tbxV1 = "13a"; }, 0, false, "Ｖ１が",
       [](const state::BriefingState& b) {
         EXPECT_EQ(b.TobBriefing.TakeoffV1, 999) << "kept";
         EXPECT_EQ(b.TobBriefing.TakeoffFlap, 5) << "committed before it";
         EXPECT_EQ(b.TobBriefing.TakeoffThrust, "TO/CB");
         EXPECT_EQ(b.TobBriefing.ClimbThrust, "Climb2");
         EXPECT_EQ(b.TobBriefing.TakeoffVr, 999);
       }},
      {"41000 as reduction height", [](TobSheetTexts& s) { s.tbxリダクション = "41000"; }, 0, false, "リダクションが",
       [](const state::BriefingState& b) { EXPECT_EQ(b.TobBriefing.ReductionHeight, 999); }},
      {"41000 as cruise altitude", [](TobSheetTexts& s) { s.tbx巡航高度 = "41000"; }, 0, true, "",
       [](const state::BriefingState& b) { EXPECT_EQ(b.TobBriefing.CruiseAltitude, 41000); }},
      {"bad year", [](TobSheetTexts& s) { s.tbx年 = "二〇〇六"; }, 0, false, "",
       [](const state::BriefingState& b) { EXPECT_EQ(b.TobBriefing.FsYear, 999); }},
      {"bad flight time on the ground", [](TobSheetTexts& s) { s.tbxMinutes[1] = "x"; }, 0, false, "飛行時間が",
       [](const state::BriefingState& b) {
         EXPECT_EQ(b.BriefingTimes.events[0].gmtHour, 1) << "the departure GMT before it";
         EXPECT_EQ(b.TobBriefing.TakeoffRunway, "old");
       }},
      {"bad flight time in the air", [](TobSheetTexts& s) { s.tbxMinutes[1] = "x"; }, 250, true, "",
       [](const state::BriefingState& b) {
         EXPECT_EQ(b.PlannedFlightTime.minutes, 999) << "the time block is skipped";
         EXPECT_EQ(b.BriefingTimes.events[0].gmtHour, 99);
         EXPECT_EQ(b.BriefingTimes.events[0].localHour, 10) << "the local departure is committed";
         EXPECT_EQ(b.TobBriefing.TakeoffRunway, "16R");
       }},
      {"empty side", [](TobSheetTexts& s) { s.comboRWY3 = ""; }, 0, true, "",
       [](const state::BriefingState& b) {
         EXPECT_EQ(b.TobBriefing.TakeoffRunway, "16N");
         EXPECT_EQ(b.TobBriefing.TakeoffRunwaySide, "");
         EXPECT_EQ(b.PushbackSettings.pushbackOn, 1);
       }},
      {"AES departure", [](TobSheetTexts& s) { s.checkAES出発空港 = 1; }, 0, true, "",
       [](const state::BriefingState& b) {
         EXPECT_EQ(b.TobBriefing.DepartureAesFlag, 1);
         EXPECT_EQ(b.PushbackSettings.pushbackOn, 0);
       }},
      {"type code and options", [](TobSheetTexts& s) {
         s.combo機種 = "07 Prop    2 Engines";
         s.selTimeON = false;
         s.tbxAutoPauseKm = " 50 ";
       }, 0, true, "",
       [](const state::BriefingState& b) {
         EXPECT_EQ(b.TobBriefing.AircraftTypeCode, 7);
         EXPECT_EQ(b.TobBriefing.AircraftTypeText, "07 Prop    2 Engines");
         EXPECT_EQ(b.TimeDisplayOption, 0);
         EXPECT_EQ(b.AutoPauseDistance, 50);
         EXPECT_EQ(b.TobBriefing.WindWordText, "ライトクロス");
         EXPECT_EQ(b.TobBriefing.WindAngleText, "+45");
       }},
      {"type that is no number", [](TobSheetTexts& s) { s.combo機種 = "Level-D"; }, 0, false, "機種の選択が",
       [](const state::BriefingState& b) { EXPECT_EQ(b.TobBriefing.AircraftTypeText, "Level-D"); }},
  };
  for (const CommitCase& c : cases) {
    SCOPED_TRACE(c.name);
    state::BriefingState b;
    auto& t = b.TobBriefing;
    t.FsYear = t.TakeoffV1 = t.TakeoffVr = t.ReductionHeight = 999;
    t.TakeoffRunway = "old";
    b.PlannedFlightTime.minutes = 999;
    b.BriefingTimes.events[0].gmtHour = 99;
    TobSheetTexts sheet = GoodSheet();
    c.change(sheet);
    const auto error = CommitTobValues(sheet, {c.height, -540}, b);
    EXPECT_EQ(!error, c.ok);
    if (error) {
      EXPECT_EQ(error->label, c.label);
    }
    c.check(b);
  }
}

TEST(CommitTobValues, TheBoxNamesTheErrorAndTheLabel) {
  EXPECT_EQ(TobCommitMessage({"型が一致しません。", "Ｖ１が"}),
            "型が一致しません。\n\nＶ１が正しくありません\n入力を確認してください");
  EXPECT_EQ(TobCommitMessage({"型が一致しません。", ""}), "型が一致しません。\n\n正しくありません\n入力を確認してください");
}

TEST(CommitTobValues, TimeBlockOneStepWraps) {
  struct Case {
    int hour, minute, offset, flightHours, flightMinutes;
    int gmtHour, gmtMinute, unwrapped, arrivalGmtHour, arrivalGmtMinute, arrivalHour, arrivalMinute;
  };
  const Case cases[] = {
      {23, 50, -540, 11, 30, 14, 50, 26, 2, 20, 11, 20},
      {23, 0, 300, 2, 0, 4, 0, 6, 6, 0, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hour * 100 + c.minute);
    TobSheetTexts sheet = GoodSheet();
    sheet.tbxHour = {std::to_string(c.hour), std::to_string(c.flightHours)};
    sheet.tbxMinutes = {std::to_string(c.minute), std::to_string(c.flightMinutes)};
    state::BriefingState b;
    ASSERT_FALSE(CommitTobValues(sheet, {0, static_cast<std::int16_t>(c.offset)}, b));
    const auto& times = b.BriefingTimes;
    EXPECT_EQ(times.departureTimeDifference, c.offset);
    EXPECT_EQ(times.events[0].gmtHour, c.gmtHour);
    EXPECT_EQ(times.events[0].gmtMinute, c.gmtMinute);
    EXPECT_EQ(b.ArrivalHourUnwrapped, c.unwrapped);
    EXPECT_EQ(times.events[1].gmtHour, c.arrivalGmtHour);
    EXPECT_EQ(times.events[1].gmtMinute, c.arrivalGmtMinute);
    EXPECT_EQ(times.events[1].localHour, c.arrivalHour);
    EXPECT_EQ(times.events[1].localMinute, c.arrivalMinute);
  }
  // A flight time that overflows the 16-bit minutes is an error under its label.
  TobSheetTexts sheet = GoodSheet();
  sheet.tbxHour[1] = "600";
  state::BriefingState b;
  const auto error = CommitTobValues(sheet, {0, 0}, b);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->label, "飛行時間が");
}

TEST(TenMinutesBefore, GoesBackAcrossTheHourAndMidnight) {
  const std::pair<HourMinute, HourMinute> cases[] = {
      {{0, 5}, {23, 55}}, {{12, 10}, {12, 0}}, {{12, 9}, {11, 59}}, {{10, 30}, {10, 20}}};
  for (const auto& [departure, prompt] : cases) EXPECT_EQ(TenMinutesBefore(departure), prompt);
}

}  // namespace
}  // namespace vx::briefing
