#pragma once
// frm音声設定: the volume of each announcement group and sound (levels 1 to 10) and the
// call-out program's voice switches. However the window closes, its unload stores the
// values, rebuilds the announcement volume table and hands the call-out values over in
// vexlorSD.cfg.
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/control_array.h"
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

class Frm音声設定 final : public ui::Form {
 public:
  Frm音声設定(ui::UiEnv& env, state::ProContext& pro);
  static ui::FormLayout Layout();

  ui::Label Label1{*this, "Label1"};
  // The label of each volume, and the note beside some, by `VolumeSettings` index.
  ui::ControlArray<ui::Label> Label音量{*this, "Label音量", {0, 1, 2, 3, 4, 5, 6, 9, 11, 12, 13, 14, 15, 16, 17,
                                                                18, 19, 20, 21, 22, 23, 24, 25, 26, 27}};
  ui::ControlArray<ui::Label> Label注記{*this, "Label注記", {3, 4, 5, 23, 24, 25}};
  ui::ComboBox combo音量地上0{*this, "combo音量地上0"};
  ui::ComboBox combo音量地上1{*this, "combo音量地上1"};
  ui::ComboBox combo音量地上2{*this, "combo音量地上2"};
  ui::ComboBox combo音量地上3{*this, "combo音量地上3"};
  ui::ComboBox combo音量地上4{*this, "combo音量地上4"};
  ui::ComboBox combo音量地上5{*this, "combo音量地上5"};
  ui::ComboBox combo音量地上6{*this, "combo音量地上6"};
  ui::ComboBox combo音量地上9{*this, "combo音量地上9"};
  ui::ComboBox combo音量上空1{*this, "combo音量上空1"};
  ui::ComboBox combo音量上空2{*this, "combo音量上空2"};
  ui::ComboBox combo音量上空3{*this, "combo音量上空3"};
  ui::ComboBox combo音量上空4{*this, "combo音量上空4"};
  ui::ComboBox combo音量上空5{*this, "combo音量上空5"};
  ui::ComboBox combo音量上空6{*this, "combo音量上空6"};
  ui::ComboBox combo音量上空7{*this, "combo音量上空7"};
  ui::ComboBox combo音量上空8{*this, "combo音量上空8"};
  ui::ComboBox combo音量上空9{*this, "combo音量上空9"};
  ui::ComboBox combo音量挨拶{*this, "combo音量挨拶"};
  ui::ComboBox combo音量トーイング{*this, "combo音量トーイング"};
  ui::ComboBox combo音量エンジン{*this, "combo音量エンジン"};
  ui::ComboBox combo音量15分前{*this, "combo音量15分前"};
  ui::ComboBox combo音量アプローチチェック{*this, "combo音量アプローチチェック"};
  ui::ComboBox combo音量着陸時音声{*this, "combo音量着陸時音声"};
  ui::ComboBox combo音量接地{*this, "combo音量接地"};
  ui::ComboBox combo音量逆噴射{*this, "combo音量逆噴射"};
  ui::Frame Frame1{*this, "Frame1"};
  ui::ControlArray<ui::Label> Label環境{Frame1, "Label環境", 28, 30};
  ui::ComboBox combo音量ギア{Frame1, "combo音量ギア"};
  ui::ComboBox combo音量ワイパー{Frame1, "combo音量ワイパー"};
  ui::ComboBox combo音量エアコン{Frame1, "combo音量エアコン"};
  ui::Label Label2{Frame1, "Label2"};
  ui::TextBox tbx風切音IAS{Frame1, "tbx風切音IAS"};
  ui::Frame Frame2{*this, "Frame2"};
  ui::OptionButton radioLand小型機{Frame2, "radioLand小型機"};
  ui::OptionButton radioLand大型機{Frame2, "radioLand大型機"};
  ui::Frame Frame3{*this, "Frame3"};
  ui::OptionButton radioVnavON{Frame3, "radioVnavON"};
  ui::OptionButton radioVnavOFF{Frame3, "radioVnavOFF"};
  ui::Label Label3{Frame3, "Label3"};
  ui::Frame Frame4{*this, "Frame4"};
  ui::OptionButton radioClimbThrustON{Frame4, "radioClimbThrustON"};
  ui::OptionButton radioClimbThrustOFF{Frame4, "radioClimbThrustOFF"};
  ui::Label Label4{Frame4, "Label4"};
  ui::CommandButton buttonDefault{*this, "buttonDefault"};
  ui::CommandButton buttonOK{*this, "buttonOK"};

  // The combo of each `VolumeSettings` index this window sets (7, 8 and 10 have none).
  struct VolumeControl {
    int index;
    ui::ComboBox Frm音声設定::*combo;
  };
  static const VolumeControl kVolumeControls[28];
  ui::ComboBox& VolumeCombo(const VolumeControl& v) { return this->*v.combo; }

 protected:
  void Design() override;

 private:
  void frm音声設定_Form_Load();
  void frm音声設定_Form_Unload();
  void frm音声設定_buttonDefault_Click();
  void frm音声設定_buttonOK_Click();

  state::ProContext& pro_;
};

}  // namespace vx::briefing
