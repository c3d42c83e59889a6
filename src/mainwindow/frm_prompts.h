#pragma once
// The small windows the flight brings up: the arrival gate prompt (frmArvGate), the
// automatic-pause notice (frmAutoPause), the captain's greeting prompt (frmCPAnounce), the
// mileage window (frmマイル達成) and the landing briefing prompt (frmLDB). None is modal;
// each loads afresh at every opening, so the greeting prompt always starts from its design
// values and the landing briefing from the stored briefing.
#include "simlink/auto_pause_notice.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/control_array.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/frame.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/option_button.h"
#include "ui/text_box.h"

namespace vx::state {
struct ProContext;
}

namespace vx::mainwindow {

// B-B after the arrival: the gate the controller gave.
class FrmArvGate final : public ui::Form {
 public:
  FrmArvGate(ui::UiEnv& env, state::ProContext& pro);

  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};
  ui::TextBox tbx到着Gate{*this, "tbx到着Gate"};
  ui::CommandButton buttonOK{*this, "buttonOK"};

  // The typed gate into `ArrivalGate`; a text that does not convert shows the
  // "到着ゲート 確定" box and keeps the stored gate.
  bool ReadArrivalGate();

  static ui::FormLayout Layout();

 protected:
  void Design() override;

 private:
  void frmArvGate_Form_Load();
  void frmArvGate_Form_Unload();
  void frmArvGate_buttonOK_Click();

  state::ProContext& pro_;
};

// Shown when the flight reaches the automatic-pause distance; OK resumes the simulator.
class FrmAutoPause final : public ui::Form, public simlink::AutoPauseNotice {
 public:
  FrmAutoPause(ui::UiEnv& env, state::ProContext& pro);
  void ShowTopmost() override;

  ui::Image Image1{*this, "Image1"};
  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};
  ui::CommandButton buttonOK{*this, "buttonOK"};

  static ui::FormLayout Layout();

 protected:
  void Design() override;

 private:
  void frmAutoPause_buttonOK_Click();

  state::ProContext& pro_;
};

// The captain's greeting: languages, the destination's weather and temperature. Its answer
// reaches the waiting greeting through `CaptainAnnounceState`.
class FrmCPAnounce final : public ui::Form {
 public:
  FrmCPAnounce(ui::UiEnv& env, state::ProContext& pro);

  ui::Frame Frame1{*this, "Frame1"};
  ui::OptionButton selectAnounce1{Frame1, "selectAnounce1"};
  ui::OptionButton selectAnounce2{Frame1, "selectAnounce2"};
  ui::OptionButton selectAnounce3{Frame1, "selectAnounce3"};
  ui::OptionButton selectAnounce4{Frame1, "selectAnounce4"};
  ui::OptionButton selectAnounce5{Frame1, "selectAnounce5"};
  ui::Frame Frame2{*this, "Frame2"};
  ui::ControlArray<ui::OptionButton> sel天候{Frame2, "sel天候", 0, 6};
  ui::Label Label1{*this, "Label1"};
  ui::TextBox tbx気温{*this, "tbx気温"};
  ui::CommandButton buttonOK{*this, "buttonOK"};
  ui::CommandButton buttonCancel{*this, "buttonCancel"};

  // Language, weather and temperature into the flight's values; false (the dialog stays)
  // when the temperature does not convert, language and weather already stored.
  bool ReadCaptainAnnounceOptions();

  static ui::FormLayout Layout();

 protected:
  void Design() override;

 private:
  void frmCPAnounce_Form_Load();
  void frmCPAnounce_Form_QueryUnload(bool& cancel, ui::UnloadMode mode);
  void frmCPAnounce_Form_Unload();
  void frmCPAnounce_buttonOK_Click();
  void frmCPAnounce_buttonCancel_Click();

  state::ProContext& pro_;
};

// Congratulates the captain on a mileage milestone; the picture can be dragged.
class FrmMileage final : public ui::Form {
 public:
  FrmMileage(ui::UiEnv& env, state::ProContext& pro);

  ui::Image Image1{*this, "Image1"};
  ui::Label Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};
  ui::CommandButton buttonExit{*this, "buttonExit"};

  static ui::FormLayout Layout();

 protected:
  void Design() override;

 private:
  void frmマイル達成_Form_Load();

  state::ProContext& pro_;
};

// The landing briefing, asked before it is played in the air: runway, approach, flaps,
// go-around and minimums. Its answer reaches the waiting briefing through
// `LandingBriefingState`; OK also hands the landing values to the call-out program.
class FrmLDB final : public ui::Form {
 public:
  FrmLDB(ui::UiEnv& env, state::ProContext& pro);

  // Labels first: the boxes lie over the gaps of their labels' texts.
  ui::Label Label1{*this, "Label1"};
  ui::ControlArray<ui::Label> Label_ブリーフィング{*this, "Label_ブリーフィング", 0, 10};
  ui::ComboBox comboRWY1{*this, "comboRWY1"};
  ui::ComboBox comboRWY2{*this, "comboRWY2"};
  ui::ComboBox comboRWY3{*this, "comboRWY3"};
  ui::ComboBox comboアプローチ方式1{*this, "comboアプローチ方式1"};
  ui::ComboBox comboアプローチ方式2{*this, "comboアプローチ方式2"};
  ui::ComboBox combo着陸Flap{*this, "combo着陸Flap"};
  ui::TextBox tbxGA高度{*this, "tbxGA高度"};
  ui::ComboBox comboGAFlap{*this, "comboGAFlap"};
  ui::TextBox tbxMinimum{*this, "tbxMinimum"};
  ui::TextBox tbxAprMinimum{*this, "tbxAprMinimum"};
  ui::TextBox tbxVref30{*this, "tbxVref30"};
  ui::CommandButton buttonOK{*this, "buttonOK"};
  ui::CommandButton buttonCancel{*this, "buttonCancel"};

  // The stored landing briefing into the controls; with the add-on aircraft, its Vref for
  // flap 30 as well.
  void FillLandingBriefing();
  // The controls into the stored briefing, in the window's order. A number that does not
  // convert shows the "ＬＤＢ 確定" box and stops there: the fields before it are stored,
  // the later ones keep their values; false.
  bool ReadLandingBriefing();

  static ui::FormLayout Layout();

 protected:
  void Design() override;

 private:
  void frmLDB_Form_Load();
  void frmLDB_Form_QueryUnload(bool& cancel, ui::UnloadMode mode);
  void frmLDB_Form_Unload();
  void frmLDB_buttonOK_Click();
  void frmLDB_buttonCancel_Click();

  state::ProContext& pro_;
};

}  // namespace vx::mainwindow
