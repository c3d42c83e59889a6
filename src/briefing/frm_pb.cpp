#include "briefing/frm_pb.h"

#include <string>

#include "announce/flight_windows.h"
#include "briefing/dialog_fields.h"
#include "platform/event_pump.h"
#include "runtime/numbers.h"
#include "state/pro_context.h"
#include "ui/scope_guard.h"

namespace vx::briefing {
namespace {

using K = ui::ControlKind;

constexpr ui::ControlRow kRows[] = {
    {"Frame6", K::Frame, 120, 120, 3300, 720, "音声ファイル"},
    {"radioFileNew", K::OptionButton, 240, 300, 1200, 300, "新"},
    {"radioFileOld", K::OptionButton, 1560, 300, 1200, 300, "旧"},
    {"Frame5", K::Frame, 3540, 120, 3300, 720, "エンジン始動コクピット会話"},
    {"radioCockpitON", K::OptionButton, 240, 300, 1200, 300, "ON"},
    {"radioCockpitOFF", K::OptionButton, 1560, 300, 1200, 300, "OFF"},
    {"Frame2", K::Frame, 120, 960, 3300, 720, "エンジン始動音"},
    {"radioEngineSoundON", K::OptionButton, 240, 300, 1200, 300, "ON"},
    {"radioEngineSoundOFF", K::OptionButton, 1560, 300, 1200, 300, "OFF"},
    {"Frame3", K::Frame, 3540, 960, 3300, 1320, "エンジン始動のタイミング"},
    {"selectE_Before", K::OptionButton, 240, 300, 2880, 300, "プッシュバック前"},
    {"selectE_Center", K::OptionButton, 240, 630, 2880, 300, "プッシュバック中"},
    {"selectE_After", K::OptionButton, 240, 960, 2880, 300, "プッシュバック後"},
    {"framePB", K::Frame, 120, 2400, 6720, 3900, "プッシュバック"},
    {"Label1", K::Label, 240, 330, 1920, 300, "プッシュバック動作"},
    {"radioPBON", K::OptionButton, 2280, 300, 1080, 300, "する"},
    {"radioPBOFF", K::OptionButton, 3480, 300, 1200, 300, "しない"},
    {"Frame1", K::Frame, 120, 660, 6480, 540},
    {"Label2", K::Label, 120, 210, 2040, 300, "プッシュバックタイプ"},
    {"radioPB_FS2000", K::OptionButton, 2160, 180, 1200, 300, "FS2002"},
    {"radioPB_FS2004", K::OptionButton, 3360, 180, 1200, 300, "FS2004"},
    {"Label13", K::Label, 240, 1320, 1920, 300, "バック速度"},
    {"comboPB速度", K::ComboBox, 2280, 1290, 900, 315},
    {"Label11", K::Label, 240, 1680, 1920, 300, "回転速度"},
    {"comboPB回転速度", K::ComboBox, 2280, 1650, 900, 315},
    {"Label80", K::Label, 240, 2040, 1920, 300, "回転時のバック速度"},
    {"comboPB回転バック速度", K::ComboBox, 2280, 2010, 900, 315},
    {"Label14", K::Label, 3480, 1320, 1200, 300, "距離ｍ"},
    {"tbxPB距離", K::TextBox, 4680, 1290, 900, 315},
    {"Label15", K::Label, 3480, 1680, 1200, 300, "回転方向"},
    {"comboPB回転方向", K::ComboBox, 4680, 1650, 900, 315},
    {"Frame4", K::Frame, 120, 2400, 6480, 1380},
    {"selectPB1", K::OptionButton, 120, 150, 2400, 300, "現在のＨＤＧから"},
    {"tbxPB角度1", K::TextBox, 2640, 135, 900, 315},
    {"Label16", K::Label, 3660, 165, 2040, 300, "度回転する"},
    {"selectPB2", K::OptionButton, 120, 570, 2400, 300, "回転完了時"},
    {"comboPB角度2", K::ComboBox, 2640, 555, 900, 315},
    {"Label17", K::Label, 3660, 585, 2040, 300, "を向く"},
    {"selectPB3", K::OptionButton, 120, 990, 2400, 300, "回転完了時"},
    {"tbxPB角度3", K::TextBox, 2640, 975, 900, 315},
    {"Label20", K::Label, 3660, 1005, 2040, 300, "度を向く"},
    {"buttonOK", K::CommandButton, 5520, 6420, 1320, 420, "OK"},
};

constexpr double kWidth = 7080, kHeight = 7380;

void FillNumbers(ui::ComboBox& combo, int first, int last) {
  for (int n = first; n <= last; ++n) combo.AddItem(runtime::IntText(n));
}

}  // namespace

ui::FormLayout FrmPB::Layout() { return {"frmPB", kWidth, kHeight, kRows}; }

FrmPB::FrmPB(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frmPB"), pro_(pro) {
  onLoad = [this] { frmPB_Form_Load(); };
  onUnload = [this] { frmPB_Form_Unload(); };
  radioCockpitON.onClick = [this] { frmPB_radioCockpitON_Click(); };
  radioCockpitOFF.onClick = [this] { frmPB_radioCockpitOFF_Click(); };
  radioFileNew.onClick = [this] { frmPB_radioFileNew_Click(); };
  radioFileOld.onClick = [this] { frmPB_radioFileOld_Click(); };
  radioPBON.onClick = [this] { frmPB_radioPBON_Click(); };
  radioPBOFF.onClick = [this] { frmPB_radioPBOFF_Click(); };
  selectPB1.onClick = [this] { frmPB_selectPB1_Click(); };
  selectPB2.onClick = [this] { frmPB_selectPB2_Click(); };
  selectPB3.onClick = [this] { frmPB_selectPB3_Click(); };
  buttonOK.onClick = [this] { frmPB_buttonOK_Click(); };
}

void FrmPB::Design() {
  SetCaption("プッシュバック");
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  Move(0, 0, kWidth, kHeight);
  for (ui::ComboBox* c : {&comboPB速度, &comboPB回転速度, &comboPB回転バック速度, &comboPB回転方向, &comboPB角度2}) {
    c->SetStyle(ui::ComboStyle::ListOnly);
  }
  FillNumbers(comboPB速度, 1, 20);
  FillNumbers(comboPB回転速度, 1, 20);
  FillNumbers(comboPB回転バック速度, 0, 20);
  for (const char* side : {"左", "右"}) comboPB回転方向.AddItem(side);
  for (const char* point : {"北", "東", "南", "西"}) comboPB角度2.AddItem(point);
  ui::ApplyLayout(*this, kRows);
  comboPB速度.SetText("3");
  comboPB回転速度.SetText("3");
  comboPB回転バック速度.SetText("3");
  comboPB回転方向.SetText("左");
  comboPB角度2.SetText("北");
  tbxPB距離.SetText("80");
  tbxPB角度1.SetText("90");
  tbxPB角度3.SetText("340");
}

void FrmPB::frmPB_Form_Load() {
  pro_.flight.PushbackFormOpenFlag = true;
  state::PushbackValues& pb = pro_.briefing.PushbackSettings;
  if (pro_.briefing.TobBriefing.DepartureAesFlag == 1) {
    pb.pushbackOn = 0;
    radioPBOFF.SetEnabled(false);
    radioPBON.SetEnabled(false);
  }
  (pb.cockpitConversation == 1 ? radioCockpitON : radioCockpitOFF).SetValue(true);
  (pb.voiceFileSet == 1 ? radioFileNew : radioFileOld).SetValue(true);
  (pb.engineStartSound == 1 ? radioEngineSoundON : radioEngineSoundOFF).SetValue(true);
  (pb.engineStartTiming == 2 ? selectE_After : pb.engineStartTiming == 1 ? selectE_Center : selectE_Before)
      .SetValue(true);
  (pb.pushbackOn == 1 ? radioPBON : radioPBOFF).SetValue(true);
  (pb.method == 1 ? radioPB_FS2004 : radioPB_FS2000).SetValue(true);
  (pb.angleMode == 1 ? selectPB1 : pb.angleMode == 2 ? selectPB2 : selectPB3).SetValue(true);
  ShowComboValue(comboPB速度, runtime::IntText(pb.speed));
  ShowComboValue(comboPB回転速度, runtime::IntText(pb.turnRate));
  ShowComboValue(comboPB回転バック速度, runtime::IntText(pb.turnBackSpeed));
  tbxPB距離.SetText(runtime::IntText(pb.distance));
  ShowComboValue(comboPB回転方向, pb.turnDirection);
  tbxPB角度1.SetText(runtime::IntText(pb.angle1));
  ShowComboValue(comboPB角度2, pb.angle2);
  tbxPB角度3.SetText(runtime::IntText(pb.angle3));
  if (pb.pushbackOn == 1) {
    frmPB_radioPBON_Click();
  } else {
    frmPB_radioPBOFF_Click();
  }
}

void FrmPB::frmPB_radioCockpitON_Click() {
  for (ui::OptionButton* o : {&radioFileNew, &radioFileOld, &radioEngineSoundON, &radioEngineSoundOFF}) {
    o->SetEnabled(true);
  }
}

void FrmPB::frmPB_radioCockpitOFF_Click() {
  radioFileNew.SetEnabled(true);
  radioFileOld.SetEnabled(true);
  radioEngineSoundON.SetEnabled(false);
  radioEngineSoundOFF.SetEnabled(false);
}

void FrmPB::frmPB_radioFileNew_Click() {
  radioEngineSoundON.SetEnabled(true);
  radioEngineSoundOFF.SetEnabled(true);
}

void FrmPB::frmPB_radioFileOld_Click() {
  radioEngineSoundON.SetEnabled(false);
  radioEngineSoundOFF.SetEnabled(false);
}

void FrmPB::EnableMotion(bool enabled) {
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &radioPB_FS2000, &radioPB_FS2004, &comboPB速度, &comboPB回転速度, &comboPB回転バック速度, &tbxPB距離,
           &comboPB回転方向, &selectPB1, &selectPB2, &selectPB3, &tbxPB角度1, &comboPB角度2, &tbxPB角度3}) {
    c->SetEnabled(enabled);
  }
}

void FrmPB::frmPB_radioPBON_Click() {
  EnableMotion(true);
  if (selectPB1.Value()) {
    frmPB_selectPB1_Click();
  } else if (selectPB2.Value()) {
    frmPB_selectPB2_Click();
  } else {
    frmPB_selectPB3_Click();
  }
}

void FrmPB::frmPB_radioPBOFF_Click() { EnableMotion(false); }

void FrmPB::frmPB_selectPB1_Click() {
  tbxPB角度1.SetEnabled(true);
  comboPB角度2.SetEnabled(false);
  tbxPB角度3.SetEnabled(false);
}

void FrmPB::frmPB_selectPB2_Click() {
  tbxPB角度1.SetEnabled(false);
  comboPB角度2.SetEnabled(true);
  tbxPB角度3.SetEnabled(false);
}

void FrmPB::frmPB_selectPB3_Click() {
  tbxPB角度1.SetEnabled(false);
  comboPB角度2.SetEnabled(false);
  tbxPB角度3.SetEnabled(true);
}

void FrmPB::frmPB_buttonOK_Click() {
  Unload();
  pro_.svc.pump->Pump();
}

void FrmPB::frmPB_Form_Unload() {
  ui::ScopeGuard clearFlag([this] { pro_.flight.PushbackFormOpenFlag = false; });
  if (pro_.briefing.PushbackFormFromFlight) announce::BringSimulatorToFront(pro_);
  state::PushbackValues& pb = pro_.briefing.PushbackSettings;
  pb.cockpitConversation = radioCockpitON.Value() ? 1 : 0;
  pb.voiceFileSet = radioFileNew.Value() ? 1 : 0;
  pb.engineStartSound = radioEngineSoundON.Value() ? 1 : 0;
  pb.pushbackOn = radioPBON.Value() && pro_.briefing.TobBriefing.DepartureAesFlag != 1 ? 1 : 0;
  pb.method = radioPB_FS2004.Value() ? 1 : 0;
  TypedNumbers typed(Caption());
  typed.Take(comboPB速度.Text(), pb.speed, "バック速度");
  typed.Take(comboPB回転速度.Text(), pb.turnRate, "回転速度");
  typed.Take(comboPB回転バック速度.Text(), pb.turnBackSpeed, "回転時のバック速度");
  typed.Take(tbxPB距離.Text(), pb.distance, "距離ｍ");
  pb.turnDirection = comboPB回転方向.Text();
  pb.angleMode = selectPB1.Value() ? 1 : selectPB2.Value() ? 2 : 3;
  typed.Take(tbxPB角度1.Text(), pb.angle1, "現在のＨＤＧから　度回転する");
  pb.angle2 = comboPB角度2.Text();
  typed.Take(tbxPB角度3.Text(), pb.angle3, "回転完了時　度を向く");
  pb.engineStartTiming = selectE_After.Value() ? 2 : selectE_Center.Value() ? 1 : 0;
  typed.ReportKept(pro_.boxes);
}

}  // namespace vx::briefing
