#pragma once
// frmPB: how the departure's engine start and pushback are performed. The window shows
// `PushbackSettings` when it loads and stores every control back when it unloads, however
// it is closed; the motion values reach the call-out program only when the pushback
// announcement writes vexlorPB.cfg. With the departure airport's add-on the pushback is off.
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/option_button.h"
#include "ui/text_box.h"

namespace vx::state {
struct ProContext;
}

namespace vx::briefing {

class FrmPB final : public ui::Form {
 public:
  FrmPB(ui::UiEnv& env, state::ProContext& pro);
  static ui::FormLayout Layout();

  ui::Frame Frame6{*this, "Frame6"};
  ui::OptionButton radioFileNew{Frame6, "radioFileNew"};
  ui::OptionButton radioFileOld{Frame6, "radioFileOld"};
  ui::Frame Frame5{*this, "Frame5"};
  ui::OptionButton radioCockpitON{Frame5, "radioCockpitON"};
  ui::OptionButton radioCockpitOFF{Frame5, "radioCockpitOFF"};
  ui::Frame Frame2{*this, "Frame2"};
  ui::OptionButton radioEngineSoundON{Frame2, "radioEngineSoundON"};
  ui::OptionButton radioEngineSoundOFF{Frame2, "radioEngineSoundOFF"};
  ui::Frame Frame3{*this, "Frame3"};
  ui::OptionButton selectE_Before{Frame3, "selectE_Before"};
  ui::OptionButton selectE_Center{Frame3, "selectE_Center"};
  ui::OptionButton selectE_After{Frame3, "selectE_After"};
  ui::Frame framePB{*this, "framePB"};
  ui::Label Label1{framePB, "Label1"};
  ui::OptionButton radioPBON{framePB, "radioPBON"};
  ui::OptionButton radioPBOFF{framePB, "radioPBOFF"};
  ui::Frame Frame1{framePB, "Frame1"};
  ui::Label Label2{Frame1, "Label2"};
  ui::OptionButton radioPB_FS2000{Frame1, "radioPB_FS2000"};
  ui::OptionButton radioPB_FS2004{Frame1, "radioPB_FS2004"};
  ui::Label Label13{framePB, "Label13"};
  ui::ComboBox comboPB速度{framePB, "comboPB速度"};
  ui::Label Label11{framePB, "Label11"};
  ui::ComboBox comboPB回転速度{framePB, "comboPB回転速度"};
  ui::Label Label80{framePB, "Label80"};
  ui::ComboBox comboPB回転バック速度{framePB, "comboPB回転バック速度"};
  ui::Label Label14{framePB, "Label14"};
  ui::TextBox tbxPB距離{framePB, "tbxPB距離"};
  ui::Label Label15{framePB, "Label15"};
  ui::ComboBox comboPB回転方向{framePB, "comboPB回転方向"};
  // The turn's end: its three choices form a group of their own.
  ui::Frame Frame4{framePB, "Frame4"};
  ui::OptionButton selectPB1{Frame4, "selectPB1"};
  ui::TextBox tbxPB角度1{Frame4, "tbxPB角度1"};
  ui::Label Label16{Frame4, "Label16"};
  ui::OptionButton selectPB2{Frame4, "selectPB2"};
  ui::ComboBox comboPB角度2{Frame4, "comboPB角度2"};
  ui::Label Label17{Frame4, "Label17"};
  ui::OptionButton selectPB3{Frame4, "selectPB3"};
  ui::TextBox tbxPB角度3{Frame4, "tbxPB角度3"};
  ui::Label Label20{Frame4, "Label20"};
  ui::CommandButton buttonOK{*this, "buttonOK"};

 protected:
  void Design() override;

 private:
  void frmPB_Form_Load();
  void frmPB_Form_Unload();
  void frmPB_radioCockpitON_Click();
  void frmPB_radioCockpitOFF_Click();
  void frmPB_radioFileNew_Click();
  void frmPB_radioFileOld_Click();
  void frmPB_radioPBON_Click();
  void frmPB_radioPBOFF_Click();
  void frmPB_selectPB1_Click();
  void frmPB_selectPB2_Click();
  void frmPB_selectPB3_Click();
  void frmPB_buttonOK_Click();
  void EnableMotion(bool enabled);

  state::ProContext& pro_;
};

}  // namespace vx::briefing
