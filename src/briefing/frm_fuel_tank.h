#pragma once
// frmFuelTank: the aircraft's fuel load, tank by tank, in percent, pounds and US gallons
// beside each tank's capacity, with the total row below. An entry converts at once
// (fuel_entry.h); closing the window, by OK or by its frame, writes every tank whose
// whole-number percent changed in one simulator request, reads the simulator again and
// refreshes the briefing sheet's fuel boxes.
#include "briefing/fuel_entry.h"
#include "briefing/sheet_calls.h"
#include "ui/command_button.h"
#include "ui/control_array.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/label.h"
#include "ui/text_box.h"

namespace vx::state {
struct ProContext;
}

namespace vx::briefing {

class FrmFuelTank final : public ui::Form, private FuelBoxes {
 public:
  FrmFuelTank(ui::UiEnv& env, state::ProContext& pro, const TobSheetCalls& sheet);

  static const ui::FormLayout& Layout();

  ui::ControlArray<ui::Label> Label_FuelTank{*this, "Label_FuelTank", {1, 4, 8, 12, 15, 17}};
  ui::ControlArray<ui::Label> Label_Fuel{*this, "Label_Fuel", 0, kFuelTotalRow};
  ui::CommandButton buttonOK{*this, "buttonOK"};
  ui::TextBox tbxLbsGall{*this, "tbxLbsGall"};
  ui::ControlArray<ui::TextBox> tbxPer{*this, "tbxPer", 0, kFuelTotalRow};
  ui::ControlArray<ui::TextBox> tbxLbs{*this, "tbxLbs", 0, kFuelTotalRow};
  ui::ControlArray<ui::TextBox> tbxLbsMax{*this, "tbxLbsMax", 0, kFuelTotalRow};
  ui::ControlArray<ui::TextBox> tbxGall{*this, "tbxGall", 0, kFuelTotalRow};
  ui::ControlArray<ui::TextBox> tbxGallMax{*this, "tbxGallMax", 0, kFuelTotalRow};

  // FuelFormReady and the rows' opening values.
  FuelEntryState fuel;

  void FillFuelTankForm();

 protected:
  void Design() override;

 private:
  void frmFuelTank_Form_Load();
  void frmFuelTank_Form_Unload();
  void frmFuelTank_buttonOK_Click();

  // FuelBoxes over the window's boxes.
  std::string Text(int row, FuelColumn column) const override;
  void SetText(int row, FuelColumn column, std::string text) override;
  void CaretToEnd() override;
  void PumpEvents() override;
  ui::TextBox& Box(int row, FuelColumn column) const;

  state::ProContext& pro_;
  const TobSheetCalls& sheet_;
  ui::TextBox* typedBox_ = nullptr;  // the box of the entry being converted
};

}  // namespace vx::briefing
