#include "briefing/frm_tset.h"

#include "briefing/dialog_fields.h"
#include "mainfiles/files.h"
#include "platform/event_pump.h"
#include "runtime/numbers.h"
#include "state/pro_context.h"

namespace vx::briefing {
namespace {

using K = ui::ControlKind;

constexpr ui::ControlRow kRows[] = {
    {"Label1", K::Label, 120, 150, 1080, 300, "出発空港"},
    {"tbx出発空港名", K::TextBox, 1260, 120, 2880, 315},
    {"Label2", K::Label, 4260, 150, 840, 300, "高度ft"},
    {"tbx出発空港高度", K::TextBox, 5100, 120, 900, 315},
    {"Label3", K::Label, 120, 510, 1080, 300, "到着空港"},
    {"tbx到着空港名", K::TextBox, 1260, 480, 2880, 315},
    {"Label4", K::Label, 4260, 510, 840, 300, "高度ft"},
    {"tbx到着空港高度", K::TextBox, 5100, 480, 900, 315},
    {"Frame1", K::Frame, 120, 960, 5880, 1740, "離陸時の高度"},
    {"Label5", K::Label, 120, 270, 5520, 300, "出発空港からの高度（ｆｔ）"},
    {"Label6", K::Label, 240, 630, 3000, 300, "ポジティブ"},
    {"tbxTOAlt", K::TextBox, 3360, 600, 1080, 315, "25", 0, false, 0},
    {"Label7", K::Label, 240, 990, 3000, 300, "クライムスラスト"},
    {"tbxTOAlt", K::TextBox, 3360, 960, 1080, 315, "1500", 0, false, 1},
    {"Label8", K::Label, 240, 1350, 3000, 300, "セット・オートパイロット"},
    {"tbxTOAlt", K::TextBox, 3360, 1320, 1080, 315, "2500", 0, false, 2},
    {"Frame2", K::Frame, 120, 2820, 5880, 1380, "離陸時フラップ"},
    {"Label9", K::Label, 240, 300, 5520, 300, "フラップ　　５　　　　　　　　Ｖ２＋２０"},
    {"Label10", K::Label, 240, 660, 3000, 300, "フラップ　　１"},
    {"tbxTOFlap", K::TextBox, 3360, 630, 1080, 315, "180", 0, false, 0},
    {"Label11", K::Label, 240, 1020, 3000, 300, "フラップ　アップ"},
    {"tbxTOFlap", K::TextBox, 3360, 990, 1080, 315, "200", 0, false, 1},
    {"Frame3", K::Frame, 120, 4320, 5880, 1740, "チェックリスト"},
    {"Label12", K::Label, 120, 270, 5520, 300, "到着空港からの高度（ｆｔ）"},
    {"Label13", K::Label, 240, 630, 3000, 300, "アプローチチェック"},
    {"tbxAprChkAlt", K::TextBox, 3360, 600, 1080, 315, "6000"},
    {"Label14", K::Label, 240, 990, 3000, 300, "ビフォー・ランディングチェック"},
    {"tbxLndChkAlt", K::TextBox, 3360, 960, 1080, 315, "1500"},
    {"Label15", K::Label, 240, 1350, 5520, 300, "は Flap20 で一緒に行う"},
    {"Frame4", K::Frame, 6120, 120, 5880, 2820, "アプローチ・フラップ"},
    {"Label16", K::Label, 120, 270, 5520, 300, "「0」 に設定すればそのフラップはコールしません"},
    {"Label17", K::Label, 240, 630, 3000, 300, "フラップ　　１"},
    {"tbxAprFlap", K::TextBox, 3360, 600, 1080, 315, "250", 0, false, 0},
    {"Label18", K::Label, 240, 990, 3000, 300, "フラップ　　５"},
    {"tbxAprFlap", K::TextBox, 3360, 960, 1080, 315, "230", 0, false, 1},
    {"Label19", K::Label, 240, 1350, 3000, 300, "フラップ　１０ or １５"},
    {"tbxAprFlap", K::TextBox, 3360, 1320, 1080, 315, "210", 0, false, 2},
    {"Label20", K::Label, 240, 1710, 3000, 300, "フラップ　２０"},
    {"tbxAprFlap", K::TextBox, 3360, 1680, 1080, 315, "190", 0, false, 3},
    {"Label21", K::Label, 240, 2070, 3000, 300, "フラップ　２５"},
    {"tbxAprFlap", K::TextBox, 3360, 2040, 1080, 315, "170", 0, false, 4},
    {"Label22", K::Label, 240, 2430, 3000, 300, "フラップ　３０"},
    {"tbxAprFlap", K::TextBox, 3360, 2400, 1080, 315, "160", 0, false, 5},
    {"Frame5", K::Frame, 6120, 3060, 5880, 2820, "アプローチ・リデュース・スピード"},
    {"Label23", K::Label, 120, 270, 5520, 300, "「0」 に設定すればそのリデュース・スピードはコールしません"},
    {"Label24", K::Label, 240, 630, 3000, 300, "スピード 250 kt"},
    {"tbxReSpdAlt", K::TextBox, 3360, 600, 1080, 315, "10000", 0, false, 0},
    {"Label25", K::Label, 240, 990, 3000, 300, "スピード 230 kt"},
    {"tbxReSpdAlt", K::TextBox, 3360, 960, 1080, 315, "8000", 0, false, 1},
    {"Label26", K::Label, 240, 1350, 3000, 300, "スピード 210 kt"},
    {"tbxReSpdAlt", K::TextBox, 3360, 1320, 1080, 315, "6000", 0, false, 2},
    {"Label27", K::Label, 240, 1710, 3000, 300, "スピード 190 kt"},
    {"tbxReSpdAlt", K::TextBox, 3360, 1680, 1080, 315, "4500", 0, false, 3},
    {"Label28", K::Label, 240, 2070, 3000, 300, "スピード 170 kt"},
    {"tbxReSpdAlt", K::TextBox, 3360, 2040, 1080, 315, "3500", 0, false, 4},
    {"Label29", K::Label, 240, 2430, 3000, 300, "スピード 150 kt"},
    {"tbxReSpdAlt", K::TextBox, 3360, 2400, 1080, 315, "2500", 0, false, 5},
    {"buttonDefault", K::CommandButton, 8520, 6180, 1560, 420, "Default"},
    {"buttonOK", K::CommandButton, 10440, 6180, 1560, 420, "OK"},
};

constexpr double kWidth = 12240, kHeight = 7140;

// The Default button's column, in the order of the entries; it differs from the design
// texts and from a new settings file's values.
constexpr std::int32_t kDefaultColumn[19] = {25,  1500, 2500, 190, 210, 6000,  2000, 250,  240,  210,
                                             190, 170,  160,  10000, 5000, 3000, 2000, 1500, 1000};

}  // namespace

ui::FormLayout FrmTSet::Layout() { return {"frmTSet", kWidth, kHeight, kRows}; }

FrmTSet::FrmTSet(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frmTSet"), pro_(pro) {
  onLoad = [this] { frmTSet_Form_Load(); };
  onUnload = [this] { frmTSet_Form_Unload(); };
  buttonDefault.onClick = [this] { frmTSet_buttonDefault_Click(); };
  buttonOK.onClick = [this] { frmTSet_buttonOK_Click(); };
}

void FrmTSet::Design() {
  SetCaption("Timing Set");
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  Move(0, 0, kWidth, kHeight);
  ui::ApplyLayout(*this, kRows);
  for (ui::TextBox* box : {&tbx出発空港名, &tbx出発空港高度, &tbx到着空港名, &tbx到着空港高度}) box->SetLocked(true);
}

std::vector<FrmTSet::TimingBox> FrmTSet::TimingBoxes() {
  state::TimingValues& t = pro_.briefing.TimingSettings;
  std::vector<TimingBox> boxes;
  const ui::Label* toAltLabels[] = {&Label6, &Label7, &Label8};
  for (int i = 0; i < 3; ++i) boxes.push_back({&tbxTOAlt(i), &t.takeoffAltitudes[i], toAltLabels[i]});
  const ui::Label* toFlapLabels[] = {&Label10, &Label11};
  for (int i = 0; i < 2; ++i) boxes.push_back({&tbxTOFlap(i), &t.takeoffFlapSpeeds[i], toFlapLabels[i]});
  boxes.push_back({&tbxAprChkAlt, &t.approachCheckAltitude, &Label13});
  boxes.push_back({&tbxLndChkAlt, &t.landingCheckAltitude, &Label14});
  const ui::Label* flapLabels[] = {&Label17, &Label18, &Label19, &Label20, &Label21, &Label22};
  for (int i = 0; i < 6; ++i) boxes.push_back({&tbxAprFlap(i), &t.approachFlapSpeeds[i], flapLabels[i]});
  const ui::Label* speedLabels[] = {&Label24, &Label25, &Label26, &Label27, &Label28, &Label29};
  for (int i = 0; i < 6; ++i) boxes.push_back({&tbxReSpdAlt(i), &t.reduceSpeedAltitudes[i], speedLabels[i]});
  return boxes;
}

void FrmTSet::frmTSet_Form_Load() {
  const state::RouteAirportsArray& route = pro_.files.RouteAirports;
  tbx出発空港名.SetText(route[0].name);
  tbx到着空港名.SetText(route[1].name);
  tbx出発空港高度.SetText(runtime::IntText(route[0].elevation));
  tbx到着空港高度.SetText(runtime::IntText(route[1].elevation));
  for (const TimingBox& t : TimingBoxes()) t.box->SetText(runtime::IntText(*t.value));
  pro_.svc.pump->Pump();
}

void FrmTSet::frmTSet_buttonDefault_Click() {
  const std::vector<TimingBox> boxes = TimingBoxes();
  for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i].box->SetText(runtime::IntText(kDefaultColumn[i]));
}

void FrmTSet::frmTSet_buttonOK_Click() {
  Unload();
  pro_.svc.pump->Pump();
}

void FrmTSet::frmTSet_Form_Unload() {
  TypedNumbers typed(Caption());
  for (const TimingBox& t : TimingBoxes()) {
    const auto* frame = dynamic_cast<const ui::Frame*>(&t.box->Parent());
    typed.Take(t.box->Text(), *t.value, (frame ? frame->Caption() + "　" : std::string()) + t.label->Caption());
  }
  mainfiles::WriteVexlorSdCfg(pro_);
  typed.ReportKept(pro_.boxes);
}

}  // namespace vx::briefing
