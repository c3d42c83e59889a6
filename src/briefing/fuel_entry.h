#pragma once
// The fuel tank loading window's rows as texts: the fill from the last simulator read,
// the conversions of an entry in percent, pounds or gallons with their checks and clamps,
// the total row, and the tank levels the closing writes. The window lends its boxes
// through FuelBoxes, so the same procedures run over a plain table in tests.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/sim_values.h"
#include "state/sim_var_table.h"

namespace vx::state {
struct SimState;
}
namespace vx::ui {
class MessageBoxes;
}

namespace vx::briefing {

inline constexpr int kFuelRowCount = 12;  // eleven tanks and the total
inline constexpr int kFuelTankRows = 11;
inline constexpr int kFuelTotalRow = 11;
inline constexpr std::int32_t kFullTankLevel = 8388608;
inline constexpr const char* kFuelCheckTitle = "入力チェック";

enum class FuelColumn { Per, Lbs, LbsMax, Gall, GallMax };

// The tank of each of rows 0 to 10 (left wing, right wing, centre, external).
state::Tank TankOfRow(int row);
// The level variable of the row's tank.
inline state::SimVar LevelVarOfRow(int row) { return state::TankLevel(TankOfRow(row)); }

// The boxes of the window, by row and column.
class FuelBoxes {
 public:
  virtual ~FuelBoxes() = default;
  virtual std::string Text(int row, FuelColumn column) const = 0;
  virtual void SetText(int row, FuelColumn column, std::string text) = 0;
  // Puts the caret of the box being typed into after its last character.
  virtual void CaretToEnd() = 0;
  // Lets pending window events run.
  virtual void PumpEvents() = 0;
};

// The window's state: entries convert only while FuelFormReady is non-zero; the saved
// values are the rows as filled at opening.
struct FuelEntryState {
  std::int16_t FuelFormReady = 0;
  std::array<std::int32_t, kFuelRowCount> SavedTankPercent{};
  std::array<std::int32_t, kFuelRowCount> SavedTankPounds{};
  std::array<std::int32_t, kFuelRowCount> SavedTankGallons{};
};

// The fuel weight per gallon as shown: nearest(W × 10000 ÷ 256) ÷ 10000 ("6.6992").
std::string FuelWeightText(std::int16_t weightPerGallon);

// Steps 2 to 7 of the fill: every box of the twelve rows and the saved values.
void FillFuelRows(const state::SimState& sim, FuelEntryState& state, FuelBoxes& boxes);
// A row whose gallons capacity reads as 0 takes no entry.
bool FuelRowDisabled(const FuelBoxes& boxes, int row);

// The entry handlers' conversions. Values below 0 or above the limit are clamped after
// a message; any other fault shows its description and puts the row back to its saved
// values. FuelFormReady is 0 while they run and 1 afterwards.
void ApplyTankPercent(FuelEntryState& state, FuelBoxes& boxes, ui::MessageBoxes& msg, int row);
void ApplyTankPounds(FuelEntryState& state, FuelBoxes& boxes, ui::MessageBoxes& msg, int row);
void ApplyTankGallons(FuelEntryState& state, FuelBoxes& boxes, ui::MessageBoxes& msg, int row);
// The total row from the tank rows; the tank rows' pounds and gallons get separators.
// Faults reach the caller.
void UpdateFuelTotals(FuelBoxes& boxes);

// The text a percent box takes when it loses focus (a plain whole number), and a pounds
// or gallons box ("#,##0"); a text that is no number stays as it is.
std::string WholePercentText(const std::string& text);
std::string WholeAmountText(const std::string& text);

// The closing's writes: each tank row whose whole-number percent differs from its saved
// value, with level nearest(percent × 8388608 ÷ 100) from the full number, never below 0
// nor above full. A percent that is no number counts as unchanged.
struct TankLevelWrite {
  int row = 0;
  std::int32_t level = 0;
  bool operator==(const TankLevelWrite&) const = default;
};
std::vector<TankLevelWrite> ClosingLevelWrites(const FuelEntryState& state, const FuelBoxes& boxes);

}  // namespace vx::briefing
