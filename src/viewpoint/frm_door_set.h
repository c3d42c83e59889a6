#pragma once
// frmDoorSet: the door keys of the boarding and cargo door views (a modifier and two key
// names each) and the position and volume of the APU sound of each; opened from frmOcumo
// without blocking the key poll, stored on OK. Closing it by its close box keeps nothing.
#include "state/ocumo_context.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/control_array.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/label.h"
#include "ui/text_box.h"

namespace vx::viewpoint {

class FrmOcumo;

ui::FormLayout FrmDoorSetLayout();

class FrmDoorSet final : public ui::Form {
 public:
  FrmDoorSet(ui::UiEnv& env, state::OcumoContext& ctx, FrmOcumo& ocumo);

  ui::Label Label5{*this, "Label5"};
  ui::Label Label1{*this, "Label1"};
  ui::Label Label3{*this, "Label3"};
  ui::ControlArray<ui::ComboBox> comboSubKey{*this, "comboSubKey", 0, 1};
  ui::ControlArray<ui::TextBox> tbxKey2{*this, "tbxKey2", 0, 1};
  ui::ControlArray<ui::TextBox> tbxKey3{*this, "tbxKey3", 0, 1};
  ui::ControlArray<ui::ComboBox> comboAPU位置{*this, "comboAPU位置", 0, 1};
  ui::ControlArray<ui::ComboBox> comboAPU音量{*this, "comboAPU音量", 0, 1};
  ui::Label Label2{*this, "Label2"};
  ui::Label Label4{*this, "Label4"};
  ui::CommandButton OKButton{*this, "OKButton"};

 protected:
  void Design() override;

 private:
  void frmDoorSet_Form_Load();
  void frmDoorSet_OKButton_Click();

  state::OcumoContext& ctx_;
  FrmOcumo& ocumo_;
};

}  // namespace vx::viewpoint
