#include "briefing/frm_voice_settings.h"

#include <algorithm>
#include <string>

#include "announce/flight_windows.h"
#include "briefing/dialog_fields.h"
#include "datafiles/volume_table.h"
#include "mainfiles/files.h"
#include "platform/event_pump.h"
#include "runtime/numbers.h"
#include "state/pro_context.h"
#include "ui/scope_guard.h"

namespace vx::briefing {
namespace {

using K = ui::ControlKind;

constexpr ui::ControlRow kRows[] = {
    {"Label1", K::Label, 120, 120, 9000, 360, "ここでは音声に関する設定を行います"},
    {"Label音量", K::Label, 120, 750, 3600, 300, "地上０　空港　出発案内", 0, false, 0},
    {"combo音量地上0", K::ComboBox, 3780, 720, 840, 315},
    {"Label音量", K::Label, 120, 1110, 3600, 300, "地上１　テイクオフ・ブリーフィング", 0, false, 1},
    {"combo音量地上1", K::ComboBox, 3780, 1080, 840, 315},
    {"Label音量", K::Label, 120, 1470, 3600, 300, "地上２　プッシュバック", 0, false, 2},
    {"combo音量地上2", K::ComboBox, 3780, 1440, 840, 315},
    {"Label音量", K::Label, 120, 1830, 3600, 300, "地上３　安全放送", 0, false, 3},
    {"combo音量地上3", K::ComboBox, 3780, 1800, 840, 315},
    {"Label注記", K::Label, 4740, 1830, 5760, 300, "ＪＡＬ　ＡＮＡ　ＪＡＳ　系列は専用音声が流れます", 0, false, 3},
    {"Label音量", K::Label, 120, 2190, 3600, 300, "地上４　離陸します", 0, false, 4},
    {"combo音量地上4", K::ComboBox, 3780, 2160, 840, 315},
    {"Label注記", K::Label, 4740, 2190, 5760, 300, "スピードコール、フラップコールなどの音量もこの設定で行われます", 0, false, 4},
    {"Label音量", K::Label, 120, 2550, 3600, 300, "地上５　到着案内", 0, false, 5},
    {"combo音量地上5", K::ComboBox, 3780, 2520, 840, 315},
    {"Label注記", K::Label, 4740, 2550, 5760, 300, "着陸後、速度が４０ノット以下になれば自動で放送されます", 0, false, 5},
    {"Label音量", K::Label, 120, 2910, 3600, 300, "地上６　空港　到着案内", 0, false, 6},
    {"combo音量地上6", K::ComboBox, 3780, 2880, 840, 315},
    {"Label音量", K::Label, 120, 3270, 3600, 300, "地上９　空港混雑・離陸待ち", 0, false, 9},
    {"combo音量地上9", K::ComboBox, 3780, 3240, 840, 315},
    {"Label音量", K::Label, 120, 3630, 3600, 300, "上空１　ベルトＯＦＦ", 0, false, 11},
    {"combo音量上空1", K::ComboBox, 3780, 3600, 840, 315},
    {"Label音量", K::Label, 120, 3990, 3600, 300, "上空２　機長挨拶", 0, false, 12},
    {"combo音量上空2", K::ComboBox, 3780, 3960, 840, 315},
    {"Label音量", K::Label, 120, 4350, 3600, 300, "上空３　機内サービス（国際線）", 0, false, 13},
    {"combo音量上空3", K::ComboBox, 3780, 4320, 840, 315},
    {"Label音量", K::Label, 120, 4710, 3600, 300, "上空４　ランディング・ブリーフィング", 0, false, 14},
    {"combo音量上空4", K::ComboBox, 3780, 4680, 840, 315},
    {"Label音量", K::Label, 120, 5070, 3600, 300, "上空５　１時間前・降下開始（国際線）", 0, false, 15},
    {"combo音量上空5", K::ComboBox, 3780, 5040, 840, 315},
    {"Label音量", K::Label, 120, 5430, 3600, 300, "上空６　免税品販売終了（国際線）", 0, false, 16},
    {"combo音量上空6", K::ComboBox, 3780, 5400, 840, 315},
    {"Label音量", K::Label, 120, 5790, 3600, 300, "上空７　着陸態勢", 0, false, 17},
    {"combo音量上空7", K::ComboBox, 3780, 5760, 840, 315},
    {"Label音量", K::Label, 120, 6150, 3600, 300, "上空８　最終着陸態勢", 0, false, 18},
    {"combo音量上空8", K::ComboBox, 3780, 6120, 840, 315},
    {"Label音量", K::Label, 120, 6510, 3600, 300, "上空９　気流注意", 0, false, 19},
    {"combo音量上空9", K::ComboBox, 3780, 6480, 840, 315},
    {"Label音量", K::Label, 10620, 750, 2880, 300, "ＣＡさん　挨拶", 0, false, 20},
    {"combo音量挨拶", K::ComboBox, 13560, 720, 840, 315},
    {"Label音量", K::Label, 10620, 1110, 2880, 300, "トーイングカー", 0, false, 21},
    {"combo音量トーイング", K::ComboBox, 13560, 1080, 840, 315},
    {"Label音量", K::Label, 10620, 1470, 2880, 300, "エンジンスタート", 0, false, 22},
    {"combo音量エンジン", K::ComboBox, 13560, 1440, 840, 315},
    {"Label音量", K::Label, 10620, 1830, 2880, 300, "１５分前放送", 0, false, 23},
    {"combo音量15分前", K::ComboBox, 13560, 1800, 840, 315},
    {"Label注記", K::Label, 14520, 1830, 5580, 300, "到着１５分前に自動で放送されます", 0, false, 23},
    {"Label音量", K::Label, 10620, 2190, 2880, 300, "アプローチ・チェックリスト", 0, false, 24},
    {"combo音量アプローチチェック", K::ComboBox, 13560, 2160, 840, 315},
    {"Label注記", K::Label, 14520, 2190, 5580, 300, "設定された高度以下になったときに自動で放送されます", 0, false, 24},
    {"Label音量", K::Label, 10620, 2550, 2880, 300, "スピード／フラップ／高度", 0, false, 25},
    {"combo音量着陸時音声", K::ComboBox, 13560, 2520, 840, 315},
    {"Label注記", K::Label, 14520, 2550, 5580, 300, "リデューススピード／フラップ／ＩＬＳキャプチャ／高度　など", 0, false, 25},
    {"Label音量", K::Label, 10620, 2910, 2880, 300, "接地音", 0, false, 26},
    {"combo音量接地", K::ComboBox, 13560, 2880, 840, 315},
    {"Label音量", K::Label, 10620, 3270, 2880, 300, "逆噴射音", 0, false, 27},
    {"combo音量逆噴射", K::ComboBox, 13560, 3240, 840, 315},
    {"Frame1", K::Frame, 10620, 3660, 9420, 1740, "環境音"},
    {"Label環境", K::Label, 120, 330, 2760, 300, "１．環境　ギア風切り音", 0, false, 28},
    {"combo音量ギア", K::ComboBox, 2940, 300, 840, 315},
    {"Label環境", K::Label, 120, 690, 2760, 300, "２．環境　ワイパー", 0, false, 29},
    {"combo音量ワイパー", K::ComboBox, 2940, 660, 840, 315},
    {"Label環境", K::Label, 120, 1050, 2760, 300, "３．環境　エアコン", 0, false, 30},
    {"combo音量エアコン", K::ComboBox, 2940, 1020, 840, 315},
    {"Label2", K::Label, 120, 1410, 2760, 300, "速度 IAS （ノット）"},
    {"tbx風切音IAS", K::TextBox, 2940, 1380, 840, 315, "80"},
    {"Frame2", K::Frame, 10620, 5520, 9420, 660, "着地音"},
    {"radioLand小型機", K::OptionButton, 240, 270, 1200, 300, "小型機"},
    {"radioLand大型機", K::OptionButton, 1560, 270, 1200, 300, "大型機"},
    {"Frame3", K::Frame, 10620, 6300, 9420, 660, "ＶＮＡＶキャプチャ"},
    {"radioVnavON", K::OptionButton, 240, 270, 900, 300, "ＯＮ"},
    {"radioVnavOFF", K::OptionButton, 1200, 270, 1080, 300, "ＯＦＦ"},
    {"Label3", K::Label, 2400, 300, 6900, 300, "ON にするとハイテク機での 「ＶＮＡＶキャプチャー」 コールを行います"},
    {"Frame4", K::Frame, 10620, 7080, 9420, 660, "クライムスラスト"},
    {"radioClimbThrustON", K::OptionButton, 240, 270, 900, 300, "ＯＮ"},
    {"radioClimbThrustOFF", K::OptionButton, 1200, 270, 1080, 300, "ＯＦＦ"},
    {"Label4", K::Label, 2400, 300, 6900, 300, "ON にすると「クライムスラスト」コールを行います"},
    {"buttonDefault", K::CommandButton, 16560, 7920, 1560, 420, "Default"},
    {"buttonOK", K::CommandButton, 18480, 7920, 1560, 420, "OK"},
};

constexpr double kWidth = 20280, kHeight = 8880;

// A level as the combos list it: "10", or one digit after a blank.
std::string LevelText(int level) {
  level = std::clamp(level, 1, 10);
  return level == 10 ? "10" : " " + runtime::IntText(level);
}

}  // namespace

const Frm音声設定::VolumeControl Frm音声設定::kVolumeControls[28] = {
    {0, &Frm音声設定::combo音量地上0},
    {1, &Frm音声設定::combo音量地上1},
    {2, &Frm音声設定::combo音量地上2},
    {3, &Frm音声設定::combo音量地上3},
    {4, &Frm音声設定::combo音量地上4},
    {5, &Frm音声設定::combo音量地上5},
    {6, &Frm音声設定::combo音量地上6},
    {9, &Frm音声設定::combo音量地上9},
    {11, &Frm音声設定::combo音量上空1},
    {12, &Frm音声設定::combo音量上空2},
    {13, &Frm音声設定::combo音量上空3},
    {14, &Frm音声設定::combo音量上空4},
    {15, &Frm音声設定::combo音量上空5},
    {16, &Frm音声設定::combo音量上空6},
    {17, &Frm音声設定::combo音量上空7},
    {18, &Frm音声設定::combo音量上空8},
    {19, &Frm音声設定::combo音量上空9},
    {20, &Frm音声設定::combo音量挨拶},
    {21, &Frm音声設定::combo音量トーイング},
    {22, &Frm音声設定::combo音量エンジン},
    {23, &Frm音声設定::combo音量15分前},
    {24, &Frm音声設定::combo音量アプローチチェック},
    {25, &Frm音声設定::combo音量着陸時音声},
    {26, &Frm音声設定::combo音量接地},
    {27, &Frm音声設定::combo音量逆噴射},
    {28, &Frm音声設定::combo音量ギア},
    {29, &Frm音声設定::combo音量ワイパー},
    {30, &Frm音声設定::combo音量エアコン},
};

ui::FormLayout Frm音声設定::Layout() { return {"frm音声設定", kWidth, kHeight, kRows}; }

Frm音声設定::Frm音声設定(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frm音声設定"), pro_(pro) {
  onLoad = [this] { frm音声設定_Form_Load(); };
  onUnload = [this] { frm音声設定_Form_Unload(); };
  buttonDefault.onClick = [this] { frm音声設定_buttonDefault_Click(); };
  buttonOK.onClick = [this] { frm音声設定_buttonOK_Click(); };
}

void Frm音声設定::Design() {
  SetCaption("音声設定");
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  Move(0, 0, kWidth, kHeight);
  for (const VolumeControl& v : kVolumeControls) {
    ui::ComboBox& combo = VolumeCombo(v);
    combo.SetStyle(ui::ComboStyle::ListOnly);
    for (int level = 10; level >= 1; --level) combo.AddItem(LevelText(level));
    combo.SetText("10");
  }
  ui::ApplyLayout(*this, kRows);
}

void Frm音声設定::frm音声設定_Form_Load() {
  pro_.briefing.DialogOpenFlag = -1;
  pro_.flight.VoiceFormOpenFlag = true;
  const state::BriefingState& b = pro_.briefing;
  for (const VolumeControl& v : kVolumeControls) VolumeCombo(v).SetText(LevelText(b.VolumeSettings[v.index]));
  tbx風切音IAS.SetText(runtime::IntText(b.GearWindIas));
  (b.LargeAircraftLanding == 1 ? radioLand大型機 : radioLand小型機).SetValue(true);
  (b.VnavCallOn == 1 ? radioVnavON : radioVnavOFF).SetValue(true);
  (b.ClimbThrustCallOn == 1 ? radioClimbThrustON : radioClimbThrustOFF).SetValue(true);
  pro_.svc.pump->Pump();
}

void Frm音声設定::frm音声設定_buttonDefault_Click() {
  for (const VolumeControl& v : kVolumeControls) VolumeCombo(v).SetText("10");
  combo音量逆噴射.SetText(LevelText(8));
  combo音量ギア.SetText(LevelText(8));
  tbx風切音IAS.SetText("80");
  radioLand小型機.SetValue(true);
  radioVnavON.SetValue(true);
  radioClimbThrustON.SetValue(true);
}

void Frm音声設定::frm音声設定_buttonOK_Click() { Unload(); }

void Frm音声設定::frm音声設定_Form_Unload() {
  // Both flags are cleared however the unload ends.
  ui::ScopeGuard clearFlags([this] {
    pro_.flight.VoiceFormOpenFlag = false;
    pro_.briefing.DialogOpenFlag = 0;
  });
  auto& pump = *pro_.svc.pump;
  if (pro_.briefing.VoiceFormFromFlight) announce::BringSimulatorToFront(pro_);
  state::BriefingState& b = pro_.briefing;
  TypedNumbers typed(Caption());
  for (const VolumeControl& v : kVolumeControls) {
    const std::string label = v.index >= 28 ? Label環境(v.index).Caption() : Label音量(v.index).Caption();
    typed.TakeWhole(VolumeCombo(v).Text(), b.VolumeSettings[v.index], label, 1, 10);
  }
  typed.Take(tbx風切音IAS.Text(), b.GearWindIas, "速度 IAS （ノット）");
  b.LargeAircraftLanding = radioLand小型機.Value() ? 0 : 1;
  b.VnavCallOn = radioVnavON.Value() ? 1 : 0;
  b.ClimbThrustCallOn = radioClimbThrustON.Value() ? 1 : 0;
  datafiles::BuildVolumeTable(pro_.engine, b.VolumeSettings);
  pump.Pump();
  mainfiles::WriteVexlorSdCfg(pro_);
  pump.Pump();
  typed.ReportKept(pro_.boxes);
}

}  // namespace vx::briefing
