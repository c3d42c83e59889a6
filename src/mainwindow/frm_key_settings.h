#pragma once
// frmキー設定: the virtual-key codes of the volume key and the command keys A, B and C.
// While it is open the key hook does nothing (the program lists it among the windows
// that take typed input). However it closes, its unload takes each box into its code;
// a box that is not a whole number from 1 to 254 keeps the old code.
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/text_box.h"

namespace vx::state {
struct ProContext;
}

namespace vx::mainwindow {

class Frmキー設定 final : public ui::Form {
 public:
  Frmキー設定(ui::UiEnv& env, state::ProContext& pro);
  static ui::FormLayout Layout();

  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};
  ui::Label Label3{*this, "Label3"};
  ui::Label Label4{*this, "Label4"};
  ui::Label Label5{*this, "Label5"};
  ui::Label Label6{*this, "Label6"};
  ui::TextBox tbxSpace{*this, "tbxSpace"};
  ui::CommandButton buttonDefSpace{*this, "buttonDefSpace"};
  ui::Label Label7{*this, "Label7"};
  ui::TextBox tbxA{*this, "tbxA"};
  ui::CommandButton buttonDefA{*this, "buttonDefA"};
  ui::Label Label8{*this, "Label8"};
  ui::TextBox tbxB{*this, "tbxB"};
  ui::CommandButton buttonDefB{*this, "buttonDefB"};
  ui::Label Label9{*this, "Label9"};
  ui::TextBox tbxC{*this, "tbxC"};
  ui::CommandButton buttonDefC{*this, "buttonDefC"};
  ui::Label Label10{*this, "Label10"};
  ui::Label Label11{*this, "Label11"};
  // The key-code table.
  ui::Frame Frame1{*this, "Frame1"};
  ui::Label Label12{Frame1, "Label12"};
  ui::Label Label13{Frame1, "Label13"};
  ui::Label Label14{Frame1, "Label14"};
  ui::Label Label15{Frame1, "Label15"};
  ui::Label Label16{Frame1, "Label16"};
  ui::Label Label17{Frame1, "Label17"};
  ui::CommandButton buttonOK{*this, "buttonOK"};

 protected:
  void Design() override;

 private:
  void frmキー設定_Form_Load();
  void frmキー設定_Form_Unload();
  void frmキー設定_buttonOK_Click();
  void frmキー設定_buttonDefSpace_Click();
  void frmキー設定_buttonDefA_Click();
  void frmキー設定_buttonDefB_Click();
  void frmキー設定_buttonDefC_Click();

  state::ProContext& pro_;
};

}  // namespace vx::mainwindow
