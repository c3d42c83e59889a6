#pragma once
// The windows behind the take-off briefing sheet's fuel, airline and airport buttons,
// put into the sheet: the fuel loading window and the four pickers (with their editors).
// When they close they refresh the sheet only while it is open.
#include "briefing/frm_fuel_tank.h"
#include "briefing/frm_picker.h"
#include "briefing/frm_tob.h"
#include "briefing/sheet_calls.h"

namespace vx::briefing {

struct SetupWindows {
  SetupWindows(ui::UiEnv& env, state::ProContext& pro, FrmTOB& sheet);
  SetupWindows(const SetupWindows&) = delete;
  SetupWindows& operator=(const SetupWindows&) = delete;

  TobSheetCalls sheetCalls;
  FrmFuelTank frmFuelTank;
  PickerSet pickers;
};

}  // namespace vx::briefing
