#pragma once
// frmTSet: the heights and speeds of the call-out program's take-off, approach and
// checklist calls, with the route's airports and elevations for reference. However the
// window closes, its unload stores the boxes into `TimingSettings` and hands them over
// in vexlorSD.cfg.
#include <cstdint>
#include <vector>

#include "ui/command_button.h"
#include "ui/control_array.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/text_box.h"

namespace vx::state {
struct ProContext;
}

namespace vx::briefing {

class FrmTSet final : public ui::Form {
 public:
  FrmTSet(ui::UiEnv& env, state::ProContext& pro);
  static ui::FormLayout Layout();

  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};
  ui::Label Label3{*this, "Label3"};
  ui::Label Label4{*this, "Label4"};
  ui::TextBox tbx出発空港名{*this, "tbx出発空港名"};
  ui::TextBox tbx出発空港高度{*this, "tbx出発空港高度"};
  ui::TextBox tbx到着空港名{*this, "tbx到着空港名"};
  ui::TextBox tbx到着空港高度{*this, "tbx到着空港高度"};
  ui::Frame Frame1{*this, "Frame1"};
  ui::Label Label5{Frame1, "Label5"};
  ui::Label Label6{Frame1, "Label6"};
  ui::Label Label7{Frame1, "Label7"};
  ui::Label Label8{Frame1, "Label8"};
  ui::ControlArray<ui::TextBox> tbxTOAlt{Frame1, "tbxTOAlt", 0, 2};
  ui::Frame Frame2{*this, "Frame2"};
  ui::Label Label9{Frame2, "Label9"};
  ui::Label Label10{Frame2, "Label10"};
  ui::Label Label11{Frame2, "Label11"};
  ui::ControlArray<ui::TextBox> tbxTOFlap{Frame2, "tbxTOFlap", 0, 1};
  ui::Frame Frame3{*this, "Frame3"};
  ui::Label Label12{Frame3, "Label12"};
  ui::Label Label13{Frame3, "Label13"};
  ui::Label Label14{Frame3, "Label14"};
  ui::Label Label15{Frame3, "Label15"};
  ui::TextBox tbxAprChkAlt{Frame3, "tbxAprChkAlt"};
  ui::TextBox tbxLndChkAlt{Frame3, "tbxLndChkAlt"};
  ui::Frame Frame4{*this, "Frame4"};
  ui::Label Label16{Frame4, "Label16"};
  ui::Label Label17{Frame4, "Label17"};
  ui::Label Label18{Frame4, "Label18"};
  ui::Label Label19{Frame4, "Label19"};
  ui::Label Label20{Frame4, "Label20"};
  ui::Label Label21{Frame4, "Label21"};
  ui::Label Label22{Frame4, "Label22"};
  ui::ControlArray<ui::TextBox> tbxAprFlap{Frame4, "tbxAprFlap", 0, 5};
  ui::Frame Frame5{*this, "Frame5"};
  ui::Label Label23{Frame5, "Label23"};
  ui::Label Label24{Frame5, "Label24"};
  ui::Label Label25{Frame5, "Label25"};
  ui::Label Label26{Frame5, "Label26"};
  ui::Label Label27{Frame5, "Label27"};
  ui::Label Label28{Frame5, "Label28"};
  ui::Label Label29{Frame5, "Label29"};
  ui::ControlArray<ui::TextBox> tbxReSpdAlt{Frame5, "tbxReSpdAlt", 0, 5};
  ui::CommandButton buttonDefault{*this, "buttonDefault"};
  ui::CommandButton buttonOK{*this, "buttonOK"};

 protected:
  void Design() override;

 private:
  struct TimingBox {
    ui::TextBox* box;
    std::int32_t* value;
    const ui::Label* label;
  };
  // Every timing box with its entry of `TimingSettings` and its label, in the order of
  // the entries.
  std::vector<TimingBox> TimingBoxes();

  void frmTSet_Form_Load();
  void frmTSet_Form_Unload();
  void frmTSet_buttonDefault_Click();
  void frmTSet_buttonOK_Click();

  state::ProContext& pro_;
};

}  // namespace vx::briefing
