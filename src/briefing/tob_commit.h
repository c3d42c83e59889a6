#pragma once
// The take-off briefing sheet's commit, apart from its window: the texts and switches of
// the sheet go into the briefing values field by field, and the scheduled times in GMT,
// the scheduled arrival and the runway text are worked out. A field that cannot be read
// stops the commit there; the fields before it keep their new values.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vx::state {
struct BriefingState;
}

namespace vx::briefing {

// What the sheet shows when one of its buttons is pressed, named after its controls.
// Element 0 of an array is the departure (or the departure time), 1 the arrival (or the
// flight time).
struct TobSheetTexts {
  std::string tbx年, tbx月, tbx日;
  std::string tbx航空会社, tbxシップ, combo機種, tbx便名;
  bool selTimeON = true;
  std::string tbxAutoPauseKm;
  int checkパタパタ時刻表 = 0;
  std::string tbxゲート番号;
  std::array<std::string, 2> tbxHour, tbxMinutes;
  int checkAES出発空港 = 0, checkAES到着空港 = 0;
  std::string comboRWY1, comboRWY2, comboRWY3;
  std::string tbx風向, tbx風速, tbx気温, tbx露点, tbxWindTurbulenceA, tbxQNH1, tbxQNH2;
  std::string tbx天候, tbxRainType, tbxRainRate;
  std::string tbx低雲上限, tbx低雲下限, tbx低雲量, tbx高雲上限, tbx高雲下限, tbx高雲量;
  std::string tbx嵐上限, tbx嵐下限, tbx嵐量;
  std::string tbxWindInfoDoG, tbxWindInfoG;
  std::string comboフラップ, comboスラスト1, comboスラスト2, combo上昇;
  std::string tbxV1, tbxVr, tbxV2, tbx巡航高度;
  std::string tbxエンジンアウト, tbxアクセラ, tbxリダクション;
  std::string tbxBefV1, tbxAftV1, tbxAftV1高度, combo方式1, combo方式2;
  std::string tbxMinimum, tbxAprMinimum;
};

// Why a commit stopped: the conversion's own description and the label in force (empty
// for the first six fields).
struct TobCommitError {
  std::string description;
  std::string label;
};

// What the commit reads of the simulator.
struct TobCommitSim {
  std::int32_t heightAboveGround = 0;  // feet; the time block runs at 200 or less
  std::int16_t simTimeOffset = 0;      // minutes, GMT minus local
};

// Commits the sheet into `briefing` (TobBriefing, BriefingTimes, PlannedFlightTime,
// ArrivalHourUnwrapped, AutoPauseDistance, TimeDisplayOption; the pushback switch is
// cleared when the departure airport is marked AES). Nothing on success.
std::optional<TobCommitError> CommitTobValues(const TobSheetTexts& sheet, const TobCommitSim& sim,
                                              state::BriefingState& briefing);

// The text of the box that reports a failed commit (title kTobCommitTitle).
std::string TobCommitMessage(const TobCommitError& error);
inline constexpr const char* kTobCommitTitle = "TOB 確定";

// The runway text of two digit texts and a side word: "L", "R", "C" for "レフト(L)",
// "ライト(R)", "センター(C)", else "N".
std::string TakeoffRunwayText(const std::string& digit1, const std::string& digit2, const std::string& side);

// Ten minutes before a local time, for the time-setting prompt: minute 10 or more loses
// ten; below 10 the hour goes back one, and an hour below 0 becomes 23.
struct HourMinute {
  std::int16_t hour = 0;
  std::int16_t minute = 0;
  bool operator==(const HourMinute&) const = default;
};
HourMinute TenMinutesBefore(HourMinute departure);

}  // namespace vx::briefing
