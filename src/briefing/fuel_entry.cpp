#include "briefing/fuel_entry.h"

#include <algorithm>
#include <exception>
#include <limits>

#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "state/sim_state.h"
#include "ui/message_box.h"

namespace vx::briefing {
namespace {

using runtime::CDbl;
using runtime::CLng;
using runtime::Format;
using runtime::IntText;

constexpr std::array<state::Tank, kFuelTankRows> kRowTanks = {
    state::kLeftMain,  state::kLeftAux,  state::kLeftTip,   state::kRightMain, state::kRightAux,  state::kRightTip,
    state::kCentre1,   state::kCentre2,  state::kCentre3,   state::kExternal1, state::kExternal2,
};

std::string Grouped(double value) { return Format(value, "#,##0"); }

// Whole-number arithmetic of the conversions: 32-bit, leaving the range is error 6.
std::int32_t Checked(std::int64_t value) {
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
    throw runtime::RuntimeError(runtime::kOverflow);
  }
  return static_cast<std::int32_t>(value);
}
std::int32_t Mul(std::int32_t a, std::int32_t b) { return Checked(static_cast<std::int64_t>(a) * b); }
std::int32_t Add(std::int32_t a, std::int32_t b) { return Checked(static_cast<std::int64_t>(a) + b); }
// A real quotient: division by zero is error 11, zero by zero error 6.
double Div(double a, double b) {
  if (b == 0) throw runtime::RuntimeError(a == 0 ? runtime::kOverflow : runtime::kDivisionByZero);
  return a / b;
}

struct AmountColumns {
  FuelColumn entered, capacity, derived, derivedCapacity;
  const char* belowZero;
  const char* overCapacity;
};

constexpr AmountColumns kPounds = {FuelColumn::Lbs, FuelColumn::LbsMax, FuelColumn::Gall, FuelColumn::GallMax,
                                   "燃料（ポンド）が 0 より小さいです", "燃料（ポンド）がタンクの容量を越えています"};
constexpr AmountColumns kGallons = {FuelColumn::Gall, FuelColumn::GallMax, FuelColumn::Lbs, FuelColumn::LbsMax,
                                    "燃料（ガロン）が 0 より小さいです", "燃料（ガロン）がタンクの容量を越えています"};

void Warn(ui::MessageBoxes& msg, const char* text) {
  msg.Show(text, ui::Buttons::Ok, ui::Icon::Critical, kFuelCheckTitle);
}

// An emptied box becomes 0 with the caret after it.
void ZeroIfEmpty(FuelBoxes& boxes, int row, FuelColumn column) {
  if (!boxes.Text(row, column).empty()) return;
  boxes.SetText(row, column, "0");
  boxes.CaretToEnd();
  boxes.PumpEvents();
}

// Runs one entry's conversion with the window's entry handling around it: no conversion
// of the texts it writes, and on a fault the description and the row's opening values.
template <class F>
void RunEntry(FuelEntryState& state, FuelBoxes& boxes, ui::MessageBoxes& msg, int row, F&& convert) {
  state.FuelFormReady = 0;
  try {
    convert();
  } catch (const std::exception& e) {
    msg.Show(e.what());
    boxes.SetText(row, FuelColumn::Per, IntText(state.SavedTankPercent.at(row)));
    boxes.SetText(row, FuelColumn::Lbs, Grouped(state.SavedTankPounds.at(row)));
    boxes.SetText(row, FuelColumn::Gall, Grouped(state.SavedTankGallons.at(row)));
  }
  state.FuelFormReady = 1;
}

void ApplyTankAmount(FuelEntryState& state, FuelBoxes& boxes, ui::MessageBoxes& msg, int row,
                     const AmountColumns& c) {
  RunEntry(state, boxes, msg, row, [&] {
    ZeroIfEmpty(boxes, row, c.entered);
    const std::int32_t v = CLng(boxes.Text(row, c.entered));
    if (v < 0) {
      Warn(msg, c.belowZero);
      boxes.SetText(row, c.entered, "0");
    }
    if (CLng(boxes.Text(row, c.capacity)) < v) {
      Warn(msg, c.overCapacity);
      boxes.SetText(row, c.entered, Grouped(CDbl(boxes.Text(row, c.capacity))));
    }
    const double r = Div(CDbl(boxes.Text(row, c.entered)) * 100, CDbl(boxes.Text(row, c.capacity)));
    const std::int32_t percent = CLng(r);
    const std::int32_t derived = CLng(Mul(percent, CLng(boxes.Text(row, c.derivedCapacity))) / 100.0);
    boxes.SetText(row, c.derived, Grouped(derived));
    boxes.SetText(row, FuelColumn::Per, IntText(percent));
    UpdateFuelTotals(boxes);
  });
}

}  // namespace

state::Tank TankOfRow(int row) { return kRowTanks.at(static_cast<std::size_t>(row)); }

std::string FuelWeightText(std::int16_t weightPerGallon) {
  return runtime::GeneralNumber(CLng(weightPerGallon * 10000 / 256.0) / 10000.0);
}

void FillFuelRows(const state::SimState& sim, FuelEntryState& state, FuelBoxes& boxes) {
  const double w = sim.FuelWeightPerGallon;
  const state::FuelTotalsRecord& totals = sim.FuelTotals;
  for (int row = 0; row < kFuelRowCount; ++row) {
    state::TankFuelRecord t;
    if (row == kFuelTotalRow) {
      t = {totals.totalPercent, totals.totalCapacity, totals.totalGallons, totals.FuelTotalLbs};
    } else {
      t = sim.TankFuel[TankOfRow(row)];
    }
    boxes.SetText(row, FuelColumn::Per, IntText(t.percent));
    boxes.SetText(row, FuelColumn::Lbs, Grouped(t.pounds));
    boxes.SetText(row, FuelColumn::LbsMax, Grouped(CLng(w * t.capacity / 256)));
    boxes.SetText(row, FuelColumn::Gall, Grouped(t.gallons));
    boxes.SetText(row, FuelColumn::GallMax, Grouped(t.capacity));
    state.SavedTankPercent[row] = t.percent;
    state.SavedTankPounds[row] = t.pounds;
    state.SavedTankGallons[row] = t.gallons;
  }
}

bool FuelRowDisabled(const FuelBoxes& boxes, int row) {
  try {
    return CLng(boxes.Text(row, FuelColumn::GallMax)) == 0;
  } catch (const runtime::RuntimeError&) {
    return false;
  }
}

void ApplyTankPercent(FuelEntryState& state, FuelBoxes& boxes, ui::MessageBoxes& msg, int row) {
  RunEntry(state, boxes, msg, row, [&] {
    ZeroIfEmpty(boxes, row, FuelColumn::Per);
    const std::int32_t p = CLng(boxes.Text(row, FuelColumn::Per));
    if (p < 0) {
      Warn(msg, "％が 0 より小さいです");
      boxes.SetText(row, FuelColumn::Per, "0");
    }
    if (p > 100) {
      Warn(msg, "％が 100 より大きいです");
      boxes.SetText(row, FuelColumn::Per, "100");
    }
    const std::int32_t q = CLng(boxes.Text(row, FuelColumn::Per));
    const std::int32_t g = CLng(boxes.Text(row, FuelColumn::GallMax));
    boxes.SetText(row, FuelColumn::Gall, IntText(CLng(Mul(g, q) / 100.0)));
    const std::int32_t l = CLng(boxes.Text(row, FuelColumn::LbsMax));
    boxes.SetText(row, FuelColumn::Lbs, IntText(CLng(Mul(l, q) / 100.0)));
    UpdateFuelTotals(boxes);
  });
}

void ApplyTankPounds(FuelEntryState& state, FuelBoxes& boxes, ui::MessageBoxes& msg, int row) {
  ApplyTankAmount(state, boxes, msg, row, kPounds);
}

void ApplyTankGallons(FuelEntryState& state, FuelBoxes& boxes, ui::MessageBoxes& msg, int row) {
  ApplyTankAmount(state, boxes, msg, row, kGallons);
}

void UpdateFuelTotals(FuelBoxes& boxes) {
  for (FuelColumn column : {FuelColumn::Lbs, FuelColumn::Gall}) {
    std::int32_t sum = 0;
    for (int row = 0; row < kFuelTankRows; ++row) {
      const std::int32_t v = CLng(boxes.Text(row, column));
      sum = Add(sum, v);
      boxes.SetText(row, column, Grouped(v));
    }
    boxes.SetText(kFuelTotalRow, column, Grouped(sum));
  }
  const std::int32_t gallons = CLng(boxes.Text(kFuelTotalRow, FuelColumn::Gall));
  const double capacity = CDbl(boxes.Text(kFuelTotalRow, FuelColumn::GallMax));
  boxes.SetText(kFuelTotalRow, FuelColumn::Per, IntText(CLng(Div(Mul(gallons, 100), capacity))));
  boxes.CaretToEnd();
  boxes.PumpEvents();
}

std::string WholePercentText(const std::string& text) {
  try {
    return IntText(CLng(text));
  } catch (const runtime::RuntimeError&) {
    return text;
  }
}

std::string WholeAmountText(const std::string& text) {
  try {
    return Grouped(CLng(text));
  } catch (const runtime::RuntimeError&) {
    return text;
  }
}

std::vector<TankLevelWrite> ClosingLevelWrites(const FuelEntryState& state, const FuelBoxes& boxes) {
  std::vector<TankLevelWrite> writes;
  for (int row = 0; row < kFuelTankRows; ++row) {
    const std::string text = boxes.Text(row, FuelColumn::Per);
    try {
      if (CLng(text) == state.SavedTankPercent[row]) continue;
      // A whole percent of 0 or 100 may carry decimals beyond it ("-0.4", "100.4"): the
      // level stays between empty and full.
      const double percent = std::clamp(CDbl(text), 0.0, 100.0);
      writes.push_back({row, CLng(percent * kFullTankLevel / 100)});
    } catch (const runtime::RuntimeError&) {
      // No number: the tank keeps its level.
    }
  }
  return writes;
}

}  // namespace vx::briefing
