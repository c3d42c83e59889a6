#include "briefing/frm_tob.h"

#include <exception>
#include <optional>

#include "announce/departure_clock.h"
#include "announce/flight_windows.h"
#include "briefing/tob_vspeeds.h"
#include "briefing/tob_words.h"
#include "datafiles/table_entries.h"
#include "datafiles/voice_list.h"
#include "mainfiles/files.h"
#include "mainfiles/route.h"
#include "platform/addon_link.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "platform/text_viewer.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "runtime/text_rules.h"
#include "simlink/common_helpers.h"
#include "simlink/sim_derivations.h"
#include "simlink/simulator_link.h"
#include "state/pro_context.h"
#include "ui/event_boundary.h"
#include "ui/message_box.h"
#include "ui/ui_env.h"

namespace vx::briefing {

namespace {

using K = ui::ControlKind;

constexpr ui::ControlRow kRows[] = {
    // Header.
    {"tbx機長名", K::Label, 120, 120, 2900, 300, "機長："},
    {"lbl年月日", K::Label, 3100, 120, 700, 300, "年月日"},
    {"tbx年", K::TextBox, 3800, 120, 600, 300, "2006"},
    {"tbx月", K::TextBox, 4460, 120, 420, 300, "12"},
    {"tbx日", K::TextBox, 4940, 120, 420, 300, "12"},
    {"lblシップ", K::Label, 5500, 120, 700, 300, "シップ"},
    {"tbxシップ", K::TextBox, 6200, 120, 1300, 300, "JA8888"},
    {"combo機種", K::ComboBox, 7600, 120, 2700, 300, "04 B75/76 2 Engines"},
    {"lbl便名", K::Label, 10400, 120, 600, 300, "便名"},
    {"tbx便名", K::TextBox, 11000, 120, 800, 300, "014"},
    {"lbl航空会社", K::Label, 120, 540, 1000, 300, "航空会社"},
    {"tbx航空会社", K::TextBox, 1120, 540, 2900, 300, "JAL 日本航空"},
    {"button会社国内", K::CommandButton, 4080, 510, 700, 360, "国内"},
    {"button会社国際", K::CommandButton, 4840, 510, 700, 360, "国際"},
    {"buttonCA", K::CommandButton, 5600, 510, 1400, 360, "CAさん選択"},
    // Options.
    {"lblAutoPause", K::Label, 7100, 540, 1500, 300, "オートポーズkm"},
    {"tbxAutoPauseKm", K::TextBox, 8600, 540, 700, 300, "0"},
    {"FrameTime", K::Frame, 9400, 420, 1900, 600, "時刻表示"},
    {"selTimeON", K::OptionButton, 120, 240, 800, 300, "ON"},
    {"selTimeOFF", K::OptionButton, 960, 240, 880, 300, "OFF"},
    {"checkHimituON", K::CheckBox, 11400, 540, 2100, 300, "特別エンジン音使用"},
    // Route.
    {"lbl出発", K::Label, 120, 1140, 600, 300, "出発"},
    {"tbxICAO", K::TextBox, 720, 1140, 800, 300, "RJTT", 0, false, 0},
    {"tbx空港名", K::TextBox, 1580, 1140, 2000, 300, "羽田", 0, false, 0},
    {"button国内", K::CommandButton, 3640, 1110, 700, 360, "国内", 0, false, 0},
    {"button国際", K::CommandButton, 4400, 1110, 700, 360, "国際", 0, false, 0},
    {"Label1", K::Label, 5160, 1140, 500, 300, "AES"},
    {"checkAES出発空港", K::CheckBox, 5660, 1140, 300, 300},
    {"lbl到着", K::Label, 120, 1560, 600, 300, "到着"},
    {"tbxICAO", K::TextBox, 720, 1560, 800, 300, "RJCC", 0, false, 1},
    {"tbx空港名", K::TextBox, 1580, 1560, 2000, 300, "新千歳", 0, false, 1},
    {"button国内", K::CommandButton, 3640, 1530, 700, 360, "国内", 0, false, 1},
    {"button国際", K::CommandButton, 4400, 1530, 700, 360, "国際", 0, false, 1},
    {"Label2", K::Label, 5160, 1560, 500, 300, "AES"},
    {"checkAES到着空港", K::CheckBox, 5660, 1560, 300, 300},
    {"lblゲート", K::Label, 6100, 1140, 700, 300, "ゲート"},
    {"tbxゲート番号", K::TextBox, 6800, 1140, 600, 300, "12", 0, false, 0},
    {"lbl出発時刻", K::Label, 7500, 1140, 1000, 300, "出発時刻"},
    {"tbxHour", K::TextBox, 8500, 1140, 450, 300, "12", 0, false, 0},
    {"tbxMinutes", K::TextBox, 9000, 1140, 450, 300, "12", 0, false, 0},
    {"lbl飛行時間", K::Label, 7500, 1560, 1000, 300, "飛行時間"},
    {"tbxHour", K::TextBox, 8500, 1560, 450, 300, "12", 0, false, 1},
    {"tbxMinutes", K::TextBox, 9000, 1560, 450, 300, "12", 0, false, 1},
    {"lbl距離", K::Label, 9600, 1140, 800, 300, "距離km"},
    {"tbxKm", K::TextBox, 10400, 1140, 1000, 300, "10000"},
    {"lblマイル", K::Label, 9600, 1560, 800, 300, "マイル"},
    {"tbxMiles", K::TextBox, 10400, 1560, 1000, 300, "10000"},
    {"checkパタパタ時刻表", K::CheckBox, 11500, 1140, 1800, 300, "パタパタ時刻表"},
    // Runway.
    {"lbl滑走路", K::Label, 120, 2040, 1200, 300, "離陸滑走路"},
    {"comboRWY1", K::ComboBox, 1320, 2040, 600, 300, "1"},
    {"comboRWY2", K::ComboBox, 1980, 2040, 600, 300, "6"},
    {"comboRWY3", K::ComboBox, 2640, 2040, 1700, 300, "ライト(R)"},
    // Weather.
    {"lbl風向", K::Label, 120, 2460, 600, 300, "風向"},
    {"tbx風向", K::TextBox, 720, 2460, 600, 300, "156"},
    {"lbl風速", K::Label, 1400, 2460, 600, 300, "風速"},
    {"tbx風速", K::TextBox, 2000, 2460, 500, 300, "5"},
    {"lbl気温", K::Label, 2600, 2460, 600, 300, "気温"},
    {"tbx気温", K::TextBox, 3200, 2460, 500, 300, "26"},
    {"lbl露点", K::Label, 3800, 2460, 600, 300, "露点"},
    {"tbx露点", K::TextBox, 4400, 2460, 500, 300, "2"},
    {"lbl乱気流", K::Label, 5000, 2460, 700, 300, "乱気流"},
    {"tbxWindTurbulenceA", K::TextBox, 5700, 2460, 700, 300, "時々"},
    {"lblQNH", K::Label, 6500, 2460, 500, 300, "QNH"},
    {"tbxQNH1", K::TextBox, 7000, 2460, 700, 300, "2992"},
    {"tbxQNH2", K::TextBox, 7760, 2460, 700, 300, "1013"},
    {"lbl天候", K::Label, 8600, 2460, 500, 300, "天候"},
    {"tbx天候", K::TextBox, 9100, 2460, 800, 300, "曇り"},
    {"lbl降水", K::Label, 10000, 2460, 500, 300, "降水"},
    {"tbxRainType", K::TextBox, 10500, 2460, 600, 300, "雨"},
    {"tbxRainRate", K::TextBox, 11160, 2460, 600, 300, "弱"},
    {"lbl低空の雲", K::Label, 120, 2880, 900, 300, "低空の雲"},
    {"tbx低雲上限", K::TextBox, 1020, 2880, 900, 300, "10000"},
    {"tbx低雲下限", K::TextBox, 1980, 2880, 900, 300, "2000"},
    {"tbx低雲量", K::TextBox, 2940, 2880, 600, 300, "3/8"},
    {"lbl高空の雲", K::Label, 3700, 2880, 900, 300, "高空の雲"},
    {"tbx高雲上限", K::TextBox, 4600, 2880, 900, 300, "28000"},
    {"tbx高雲下限", K::TextBox, 5560, 2880, 900, 300, "25000"},
    {"tbx高雲量", K::TextBox, 6520, 2880, 600, 300, "1/8"},
    {"lblストーム", K::Label, 7280, 2880, 900, 300, "ストーム"},
    {"tbx嵐上限", K::TextBox, 8180, 2880, 900, 300, "0"},
    {"tbx嵐下限", K::TextBox, 9140, 2880, 900, 300, "0"},
    {"tbx嵐量", K::TextBox, 10100, 2880, 600, 300, "0"},
    {"lbl滑走路の風", K::Label, 120, 3300, 1800, 300, "滑走路に対する風"},
    {"tbxWindInfoG", K::TextBox, 1920, 3300, 1800, 300, "やや右よりの風"},
    {"tbxWindInfoDoG", K::TextBox, 3780, 3300, 600, 300, "+12"},
    // Fuel and weights.
    {"lbl割合", K::Label, 1020, 3780, 800, 300, "割合"},
    {"lblポンド", K::Label, 1880, 3780, 1100, 300, "ポンド"},
    {"lblガロン", K::Label, 3040, 3780, 1100, 300, "ガロン"},
    {"lbl左", K::Label, 120, 4140, 800, 300, "左"},
    {"tbx左割合", K::TextBox, 1020, 4140, 800, 300, "40"},
    {"tbx左ポンド", K::TextBox, 1880, 4140, 1100, 300, "12000"},
    {"tbx左ガロン", K::TextBox, 3040, 4140, 1100, 300, "2000"},
    {"lbl右", K::Label, 120, 4500, 800, 300, "右"},
    {"tbx右割合", K::TextBox, 1020, 4500, 800, 300, "40"},
    {"tbx右ポンド", K::TextBox, 1880, 4500, 1100, 300, "12000"},
    {"tbx右ガロン", K::TextBox, 3040, 4500, 1100, 300, "2000"},
    {"lbl中", K::Label, 120, 4860, 800, 300, "中"},
    {"tbx中割合", K::TextBox, 1020, 4860, 800, 300, "0"},
    {"tbx中ポンド", K::TextBox, 1880, 4860, 1100, 300, "0"},
    {"tbx中ガロン", K::TextBox, 3040, 4860, 1100, 300, "0"},
    {"lbl合計", K::Label, 120, 5220, 800, 300, "合計"},
    {"tbx合計割合", K::TextBox, 1020, 5220, 800, 300, "20"},
    {"tbx合計ポンド", K::TextBox, 1880, 5220, 1100, 300, "24000"},
    {"tbx合計ガロン", K::TextBox, 3040, 5220, 1100, 300, "4000"},
    {"lbl給油設定", K::Label, 4300, 4140, 1000, 300, "給油設定"},
    {"button給油", K::CommandButton, 4300, 4500, 1000, 360, "給油"},
    {"lblゼロフューエル", K::Label, 5500, 4140, 1500, 300, "ゼロフューエル"},
    {"tbxゼロフューエル", K::TextBox, 7000, 4140, 1200, 300, "245000"},
    {"lblグロス", K::Label, 5500, 4500, 1500, 300, "グロス"},
    {"tbxグロス", K::TextBox, 7000, 4500, 1200, 300, "310000"},
    {"lblバランス", K::Label, 5500, 4860, 1500, 300, "バランス"},
    {"tbxバランス", K::TextBox, 7000, 4860, 1200, 300, "Normal"},
    // Take-off.
    {"lblフラップ", K::Label, 120, 5700, 900, 300, "フラップ"},
    {"comboフラップ", K::ComboBox, 1020, 5700, 800, 300, "15"},
    {"lblスラスト", K::Label, 1900, 5700, 900, 300, "スラスト"},
    {"comboスラスト1", K::ComboBox, 2800, 5700, 1100, 300, "Take2"},
    {"comboスラスト2", K::ComboBox, 3960, 5700, 1100, 300, "Climb1"},
    {"lbl上昇", K::Label, 5140, 5700, 600, 300, "上昇"},
    {"combo上昇", K::ComboBox, 5740, 5700, 1700, 300, "LNAV/VNAV"},
    {"lblV1", K::Label, 120, 6120, 400, 300, "V1"},
    {"tbxV1", K::TextBox, 520, 6120, 600, 300, "132"},
    {"lblVr", K::Label, 1200, 6120, 400, 300, "Vr"},
    {"tbxVr", K::TextBox, 1600, 6120, 600, 300, "140"},
    {"lblV2", K::Label, 2280, 6120, 400, 300, "V2"},
    {"tbxV2", K::TextBox, 2680, 6120, 600, 300, "156"},
    {"buttonV計算", K::CommandButton, 3400, 6090, 1000, 360, "V 計算"},
    {"buttonVreset", K::CommandButton, 4460, 6090, 1000, 360, "V reset"},
    {"lbl巡航高度", K::Label, 5600, 6120, 1000, 300, "巡航高度"},
    {"tbx巡航高度", K::TextBox, 6600, 6120, 1000, 300, "28000"},
    {"lblエンジンアウト", K::Label, 120, 6540, 1500, 300, "エンジンアウト"},
    {"tbxエンジンアウト", K::TextBox, 1620, 6540, 700, 300, "1500"},
    {"lblアクセラ", K::Label, 2400, 6540, 1000, 300, "アクセラ"},
    {"tbxアクセラ", K::TextBox, 3400, 6540, 700, 300, "3000"},
    {"lblリダクション", K::Label, 4200, 6540, 1200, 300, "リダクション"},
    {"tbxリダクション", K::TextBox, 5400, 6540, 700, 300, "1500"},
    // Trouble return.
    {"lblBefV1", K::Label, 120, 7020, 700, 300, "V1前"},
    {"tbxBefV1", K::TextBox, 820, 7020, 2000, 300, "リジェクト"},
    {"lblAftV1", K::Label, 2900, 7020, 700, 300, "V1後"},
    {"tbxAftV1", K::TextBox, 3600, 7020, 3000, 300, "ＳＩＤ　フォロー　リターン"},
    {"lblAftV1高度", K::Label, 6700, 7020, 600, 300, "高度"},
    {"tbxAftV1高度", K::TextBox, 7300, 7020, 700, 300, "4000"},
    {"lbl方式", K::Label, 120, 7440, 1300, 300, "リターン方式"},
    {"combo方式1", K::ComboBox, 1420, 7440, 2000, 300, "ワイドパターン"},
    {"combo方式2", K::ComboBox, 3480, 7440, 2000, 300, "レーダーベクター"},
    // Minimums.
    {"lblMinimum", K::Label, 120, 7860, 1000, 300, "ミニマム"},
    {"tbxMinimum", K::TextBox, 1120, 7860, 700, 300, "200"},
    {"lblAprMinimum", K::Label, 2000, 7860, 2400, 300, "アプローチング・ミニマム"},
    {"tbxAprMinimum", K::TextBox, 4400, 7860, 700, 300, "350"},
    // Other.
    {"buttonPB設定", K::CommandButton, 120, 8400, 1400, 420, "PB設定"},
    {"buttonTiming", K::CommandButton, 1620, 8400, 1800, 420, "タイミング設定"},
    {"button音声リスト", K::CommandButton, 3520, 8400, 1400, 420, "音声リスト"},
    {"buttonOK", K::CommandButton, 10000, 8400, 2400, 420, "Captain Signature"},
};

constexpr ui::FormLayout kLayout{"frmTOB", 13620, 9720, kRows};

constexpr std::int32_t kGroundHeight = 200;
constexpr const char* kVoiceListTitle = "音声リスト";

std::string Digits(std::int64_t value) { return runtime::IntText(value); }

}  // namespace

const ui::FormLayout& FrmTobLayout() { return kLayout; }

FrmTOB::FrmTOB(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frmTOB"), pro_(pro) {
  onLoad = [this] { frmTOB_Form_Load(); };
  onUnload = [this] { frmTOB_Form_Unload(); };
  Timer1.onTimer = [this] { frmTOB_Timer1_Timer(); };
  buttonOK.onClick = [this] { frmTOB_buttonOK_Click(); };
  buttonV計算.onClick = [this] { frmTOB_buttonV計算_Click(); };
  buttonVreset.onClick = [this] { frmTOB_buttonVreset_Click(); };
  buttonCA.onClick = [this] { frmTOB_buttonCA_Click(); };
  buttonPB設定.onClick = [this] { frmTOB_buttonPB設定_Click(); };
  buttonTiming.onClick = [this] { frmTOB_buttonTiming_Click(); };
  button給油.onClick = [this] { frmTOB_button給油_Click(); };
  button会社国内.onClick = [this] { frmTOB_button会社国内_Click(); };
  button会社国際.onClick = [this] { frmTOB_button会社国際_Click(); };
  button国内.onClick = [this](int index) { frmTOB_button国内_Click(index); };
  button国際.onClick = [this](int index) { frmTOB_button国際_Click(index); };
  button音声リスト.onClick = [this] { frmTOB_button音声リスト_Click(); };
}

void FrmTOB::Design() {
  SetCaption("Takeoff Briefing");
  SetBorderStyle(ui::BorderStyle::FixedSingle);
  Move(0, 0, kLayout.width, kLayout.height);
  ui::ApplyLayout(*this, kLayout.rows);
  for (const char* item : kAircraftTypeItems) combo機種.AddItem(item);
  combo機種.SetText(kAircraftTypeItems[4]);
  for (const char* d : {"0", "1", "2", "3"}) comboRWY1.AddItem(d);
  for (const char* d : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}) comboRWY2.AddItem(d);
  for (const char* side : {"", "ライト(R)", "レフト(L)", "センター(C)"}) comboRWY3.AddItem(side);
  comboRWY1.SetText("1");
  comboRWY2.SetText("6");
  comboRWY3.SetText("ライト(R)");
  for (const char* flap : {"05", "10", "15", "20", "25", "30"}) comboフラップ.AddItem(flap);
  comboフラップ.SetText("15");
  for (const char* t : {"Take1", "Take2", "TO/CB"}) comboスラスト1.AddItem(t);
  comboスラスト1.SetText("Take2");
  for (const char* t : {"Climb1", "Climb2", "TO/GA"}) comboスラスト2.AddItem(t);
  comboスラスト2.SetText("Climb1");
  for (const char* m : {"LNAV/VNAV", "SPD/HDG/ALT"}) combo上昇.AddItem(m);
  combo上昇.SetText("LNAV/VNAV");
  for (const char* a : {"レーダーベクター", "ビジュアル"}) combo方式2.AddItem(a);
  combo方式2.SetText("レーダーベクター");
  selTimeON.SetValue(true);
  tbxバランス.SetLocked(true);
}

// ---- Commit ----

TobSheetTexts FrmTOB::SheetTexts() const {
  TobSheetTexts s;
  s.tbx年 = tbx年.Text();
  s.tbx月 = tbx月.Text();
  s.tbx日 = tbx日.Text();
  s.tbx航空会社 = tbx航空会社.Text();
  s.tbxシップ = tbxシップ.Text();
  s.combo機種 = combo機種.Text();
  s.tbx便名 = tbx便名.Text();
  s.selTimeON = selTimeON.Value();
  s.tbxAutoPauseKm = tbxAutoPauseKm.Text();
  s.checkパタパタ時刻表 = checkパタパタ時刻表.Value();
  s.tbxゲート番号 = tbxゲート番号(0).Text();
  for (int i = 0; i < 2; ++i) {
    s.tbxHour[static_cast<std::size_t>(i)] = tbxHour(i).Text();
    s.tbxMinutes[static_cast<std::size_t>(i)] = tbxMinutes(i).Text();
  }
  s.checkAES出発空港 = checkAES出発空港.Value();
  s.checkAES到着空港 = checkAES到着空港.Value();
  s.comboRWY1 = comboRWY1.Text();
  s.comboRWY2 = comboRWY2.Text();
  s.comboRWY3 = comboRWY3.Text();
  s.tbx風向 = tbx風向.Text();
  s.tbx風速 = tbx風速.Text();
  s.tbx気温 = tbx気温.Text();
  s.tbx露点 = tbx露点.Text();
  s.tbxWindTurbulenceA = tbxWindTurbulenceA.Text();
  s.tbxQNH1 = tbxQNH1.Text();
  s.tbxQNH2 = tbxQNH2.Text();
  s.tbx天候 = tbx天候.Text();
  s.tbxRainType = tbxRainType.Text();
  s.tbxRainRate = tbxRainRate.Text();
  s.tbx低雲上限 = tbx低雲上限.Text();
  s.tbx低雲下限 = tbx低雲下限.Text();
  s.tbx低雲量 = tbx低雲量.Text();
  s.tbx高雲上限 = tbx高雲上限.Text();
  s.tbx高雲下限 = tbx高雲下限.Text();
  s.tbx高雲量 = tbx高雲量.Text();
  s.tbx嵐上限 = tbx嵐上限.Text();
  s.tbx嵐下限 = tbx嵐下限.Text();
  s.tbx嵐量 = tbx嵐量.Text();
  s.tbxWindInfoDoG = tbxWindInfoDoG.Text();
  s.tbxWindInfoG = tbxWindInfoG.Text();
  s.comboフラップ = comboフラップ.Text();
  s.comboスラスト1 = comboスラスト1.Text();
  s.comboスラスト2 = comboスラスト2.Text();
  s.combo上昇 = combo上昇.Text();
  s.tbxV1 = tbxV1.Text();
  s.tbxVr = tbxVr.Text();
  s.tbxV2 = tbxV2.Text();
  s.tbx巡航高度 = tbx巡航高度.Text();
  s.tbxエンジンアウト = tbxエンジンアウト.Text();
  s.tbxアクセラ = tbxアクセラ.Text();
  s.tbxリダクション = tbxリダクション.Text();
  s.tbxBefV1 = tbxBefV1.Text();
  s.tbxAftV1 = tbxAftV1.Text();
  s.tbxAftV1高度 = tbxAftV1高度.Text();
  s.combo方式1 = combo方式1.Text();
  s.combo方式2 = combo方式2.Text();
  s.tbxMinimum = tbxMinimum.Text();
  s.tbxAprMinimum = tbxAprMinimum.Text();
  return s;
}

bool FrmTOB::CommitTobForm() {
  const TobCommitSim sim{pro_.sim.HeightAboveGround, pro_.sim.SimTimeOffset};
  if (const auto error = CommitTobValues(SheetTexts(), sim, pro_.briefing)) {
    pro_.boxes->Show(TobCommitMessage(*error), ui::Buttons::Ok, ui::Icon::Critical, kTobCommitTitle);
    return false;
  }
  return true;
}

// ---- Fills ----

void FrmTOB::FillTakeoffBriefingForm() {
  FillTobHeader();
  FillTobRoute(1);
  ShowTobWeather();
  ShowTobFuel();
  ShowTobWeights();
  ShowTobTakeoffData();
  ShowTobReturnData();
  ShowTobMinimums();
}

void FrmTOB::FillTobHeader() {
  const state::TobBriefingValues& t = pro_.briefing.TobBriefing;
  tbx機長名.SetCaption("機長：　" + pro_.main.CaptainName);
  tbx年.SetText(runtime::Format(t.FsYear, "0000"));
  tbx月.SetText(runtime::Format(t.FsMonth, "00"));
  tbx日.SetText(runtime::Format(t.FsDay, "00"));
  ShowAirlineDetail();
  tbxシップ.SetText(t.ShipName);
  combo機種.SetText(t.AircraftTypeText);
  tbx便名.SetText(t.FlightNumber);
  tbxAutoPauseKm.SetText(Digits(pro_.briefing.AutoPauseDistance));
  if (pro_.briefing.TimeDisplayOption == 1) {
    selTimeON.SetValue(true);
  } else {
    selTimeOFF.SetValue(true);
  }
  pro_.svc.pump->Pump();
}

void FrmTOB::ShowAirlineDetail() {
  // No entry of the table: the box keeps its text.
  const std::optional<int> slot = datafiles::TableSlot(pro_.briefing.SelectedAirlineIndex);
  if (!slot) return;
  tbx航空会社.SetText(datafiles::AirlineEntry(pro_.files.AirlineTable, slot).会社名詳細);
}

void FrmTOB::FillTobRoute(int withRunway) {
  const state::TobBriefingValues& t = pro_.briefing.TobBriefing;
  auto& route = pro_.files.RouteAirports;
  // An airport of no entry leaves its boxes as they are.
  mainfiles::ApplyRouteAirports(pro_.files);
  for (int i = 0; i < 2; ++i) {
    const std::optional<int> slot = datafiles::TableSlot(route[static_cast<std::size_t>(i)].slot);
    if (!slot) continue;
    const state::AirportRecord& airport = datafiles::AirportEntry(pro_.files.AirportTable, slot);
    tbxICAO(i).SetText(airport.ICAO);
    tbx空港名(i).SetText(airport.空港名詳細);
  }
  checkAES出発空港.SetValue(t.DepartureAesFlag);
  checkAES到着空港.SetValue(t.ArrivalAesFlag);
  checkパタパタ時刻表.SetValue(t.FlipBoardOn);
  tbxゲート番号(0).SetText(Digits(t.DepartureGate));
  const state::BriefingEventTime& departure = pro_.briefing.BriefingTimes.events[0];
  tbxHour(0).SetText(runtime::Format(departure.localHour, "00"));
  tbxMinutes(0).SetText(runtime::Format(departure.localMinute, "00"));
  tbxHour(1).SetText(runtime::Format(pro_.briefing.PlannedFlightTime.hours, "00"));
  tbxMinutes(1).SetText(runtime::Format(pro_.briefing.PlannedFlightTime.minutes, "00"));
  if (withRunway == 1) {
    comboRWY1.SetText(runtime::Mid(t.TakeoffRunway, 1, 1));
    comboRWY2.SetText(runtime::Mid(t.TakeoffRunway, 2, 1));
    const std::string side = runtime::Mid(t.TakeoffRunway, 3, 1);
    if (side == "R") {
      comboRWY3.SetText("ライト(R)");
    } else if (side == "L") {
      comboRWY3.SetText("レフト(L)");
    } else if (side == "C") {
      comboRWY3.SetText("センター(C)");
    } else {
      comboRWY3.SetText("");
    }
  }
  pro_.svc.pump->Pump();
}

void FrmTOB::ShowTobWeather() {
  auto& pump = *pro_.svc.pump;
  const state::SimState& sim = pro_.sim;
  const auto& route = pro_.files.RouteAirports;
  const double km = simlink::GreatCircleDistance(route[0].latitude * simlink::kLatitudeDegreesPerUnit,
                                                 route[0].longitude * simlink::kLongitudeDegreesPerUnit,
                                                 route[1].latitude * simlink::kLatitudeDegreesPerUnit,
                                                 route[1].longitude * simlink::kLongitudeDegreesPerUnit) /
                    1000.0;
  pro_.files.RouteDistance = km;
  tbxKm.SetText(runtime::Format(km, "#,##0"));
  tbxMiles.SetText(runtime::Format(km / 1.852, "#,##0"));

  tbx風向.SetText(runtime::Format(sim.WindAtAircraft.direction, "000"));
  tbx風速.SetText(Digits(sim.WindAtAircraft.speed));
  tbx気温.SetText(Digits(sim.OutsideTemperature));
  tbx露点.SetText(Digits(sim.DewPoint));
  tbxWindTurbulenceA.SetText(TurbulenceWord(sim.WindTurbulence));
  tbxQNH1.SetText(runtime::Format(sim.QnhInHg, "0000"));
  tbxQNH2.SetText(runtime::Format(static_cast<double>(sim.SimRawValues.Get(state::SimVar::Qnh)) * 0.0625, "0000"));
  tbxRainType.SetText(RainTypeWord(sim.PrecipitationType));
  pump.Pump();
  tbxRainRate.SetText(RainRateWord(tbxRainType.Text(), sim.PrecipitationRate));
  pump.Pump();
  const state::CloudLayerSet& clouds = sim.CloudLayers;
  tbx低雲上限.SetText(runtime::Format(clouds.low.topFt, "#,##0"));
  tbx低雲下限.SetText(runtime::Format(clouds.low.baseFt, "#,##0"));
  tbx高雲上限.SetText(runtime::Format(clouds.high.topFt, "#,##0"));
  tbx高雲下限.SetText(runtime::Format(clouds.high.baseFt, "#,##0"));
  tbx嵐上限.SetText(runtime::Format(clouds.storm.topFt, "#,##0"));
  tbx嵐下限.SetText(runtime::Format(clouds.storm.baseFt, "#,##0"));
  tbx低雲量.SetText(Digits(clouds.low.cover) + "/8");
  tbx高雲量.SetText(Digits(clouds.high.cover) + "/8");
  tbx嵐量.SetText(Digits(clouds.storm.cover) + "/8");
  pump.Pump();
  tbx天候.SetText(WeatherSummaryWord(tbxRainType.Text(), clouds.low.cover, clouds.high.cover));

  // The wind against the runway as the combos show it now; a runway that is no number,
  // or one beyond the numbers that can be typed into the combos ("99999"), keeps the wind
  // boxes as they are and stops nothing else.
  const std::string runway = comboRWY1.Text() + comboRWY2.Text();
  if (!runtime::IsNumeric(runway)) return;
  int heading = 0;
  try {
    heading = runtime::CInt(runway) * 10;
  } catch (const runtime::RuntimeError&) {
    return;
  }
  if (const auto wind = WindToRunway(heading, sim.WindAtAircraft.direction)) {
    tbxWindInfoG.SetText(wind->word);
    tbxWindInfoDoG.SetText(wind->angle);
  }
}

void FrmTOB::ShowTobFuel() {
  const state::FuelTotalsRecord& f = pro_.sim.FuelTotals;
  tbx左ガロン.SetText(runtime::Format(f.leftGallons, "#,##0"));
  tbx右ガロン.SetText(runtime::Format(f.rightGallons, "#,##0"));
  tbx中ガロン.SetText(runtime::Format(f.centreGallons, "#,##0"));
  tbx合計ガロン.SetText(runtime::Format(f.totalGallons, "#,##0"));
  tbx左ポンド.SetText(runtime::Format(f.leftLbs, "#,##0"));
  tbx右ポンド.SetText(runtime::Format(f.rightLbs, "#,##0"));
  tbx中ポンド.SetText(runtime::Format(f.centreLbs, "#,##0"));
  tbx合計ポンド.SetText(runtime::Format(f.FuelTotalLbs, "#,##0"));
  tbx左割合.SetText(Digits(f.leftPercent));
  tbx右割合.SetText(Digits(f.rightPercent));
  tbx中割合.SetText(Digits(f.centrePercent));
  tbx合計割合.SetText(Digits(f.totalPercent));
}

void FrmTOB::ShowTobWeights() {
  const std::int32_t zfw = pro_.sim.ZeroFuelWeightLbs;
  tbxゼロフューエル.SetText(runtime::Format(zfw, "#,##0"));
  const std::int64_t gross = static_cast<std::int64_t>(pro_.sim.FuelTotals.FuelTotalLbs) + zfw;
  if (gross < INT32_MIN || gross > INT32_MAX) throw runtime::RuntimeError(runtime::kOverflow);
  tbxグロス.SetText(runtime::Format(static_cast<double>(gross), "#,##0"));
}

void FrmTOB::ReadAddonVSpeeds() {
  state::TobBriefingValues& t = pro_.briefing.TobBriefing;
  if (!pro_.sim.AddonSessionOpen || t.AircraftTypeCode != 0 || !pro_.svc.addon) return;
  platform::AddonDataRecord record;
  if (pro_.svc.addon->ReadData(record) != platform::kAddonOk) return;
  pro_.svc.pump->Pump();
  t.TakeoffV1 = runtime::CInt(record.At(platform::AddonDataRecord::kV1));
  t.TakeoffVr = runtime::CInt(record.At(platform::AddonDataRecord::kVr));
  t.TakeoffV2 = runtime::CInt(record.At(platform::AddonDataRecord::kV2));
  t.CruiseAltitude = record.At(platform::AddonDataRecord::kCruiseAltitudeFt);
  tbxV1.SetText(Digits(t.TakeoffV1));
  tbxVr.SetText(Digits(t.TakeoffVr));
  tbxV2.SetText(Digits(t.TakeoffV2));
  tbx巡航高度.SetText(Digits(t.CruiseAltitude));
  pro_.svc.pump->Pump();
}

void FrmTOB::ShowTobTakeoffData() {
  const state::TobBriefingValues& t = pro_.briefing.TobBriefing;
  ReadAddonVSpeeds();
  comboフラップ.SetText(runtime::Format(t.TakeoffFlap, "0"));
  comboスラスト1.SetText(t.TakeoffThrust);
  comboスラスト2.SetText(t.ClimbThrust);
  combo上昇.SetText(t.ClimbMode);
  const bool fromAddon = pro_.sim.AddonSessionOpen && t.AircraftTypeCode == 0 && pro_.svc.addon;
  if (!fromAddon) {
    tbxV1.SetText(Digits(t.TakeoffV1));
    tbxVr.SetText(Digits(t.TakeoffVr));
    tbxV2.SetText(Digits(t.TakeoffV2));
    tbx巡航高度.SetText(Digits(t.CruiseAltitude));
  }
  tbxエンジンアウト.SetText(Digits(t.EngineOutAccelerationHeight));
  tbxアクセラ.SetText(Digits(t.AccelerationHeight));
  tbxリダクション.SetText(Digits(t.ReductionHeight));
}

void FrmTOB::ShowTobReturnData() {
  const state::TobBriefingValues& t = pro_.briefing.TobBriefing;
  tbxBefV1.SetText(t.BeforeV1Action);
  tbxAftV1.SetText(t.AfterV1Action);
  tbxAftV1高度.SetText(Digits(t.TroubleReturnAltitude));
  combo方式1.SetText(t.ReturnPattern);
  combo方式2.SetText(t.ReturnApproach);
}

void FrmTOB::ShowTobMinimums() {
  const state::TobBriefingValues& t = pro_.briefing.TobBriefing;
  tbxMinimum.SetText(Digits(t.MinimumAltitude));
  tbxAprMinimum.SetText(Digits(t.ApproachingMinimumAltitude));
  pro_.svc.pump->Pump();
}

// ---- Events ----

void FrmTOB::frmTOB_Form_Load() {
  state::BriefingState& b = pro_.briefing;
  b.DialogOpenFlag = -1;
  tickErrorReported_ = false;
  if (pro_.svc.paths->Exists("\\Wav\\himitu\\ravikGE.wav")) {
    b.SpecialEngineSoundAvailable = 1;
    checkHimituON.SetVisible(true);
    checkHimituON.SetValue(b.SpecialEngineSoundOn == 1 ? 1 : 0);
  } else {
    b.SpecialEngineSoundAvailable = 0;
    checkHimituON.SetVisible(false);
    b.SpecialEngineSoundOn = 0;
  }
  // A fill that fails (an add-on speed beyond 16 bits) is reported once; the sheet still
  // opens with its timer, whose ticks then report the same failure no more.
  try {
    simlink::ReadSimulatorState(pro_);
    FillTakeoffBriefingForm();
  } catch (const std::exception&) {
    tickErrorReported_ = true;
    ui::ReportHandlerError(Env(), std::current_exception());
  }
  pro_.svc.pump->Pump();
  pro_.flight.TobOpenFlag = true;
  Timer1.SetInterval(2000);
  Timer1.SetEnabled(true);
}

void FrmTOB::frmTOB_Form_Unload() {
  Timer1.SetEnabled(false);
  Timer1.SetInterval(0);
  announce::BringSimulatorToFront(pro_);
  pro_.flight.TobOpenFlag = false;
  pro_.briefing.DialogOpenFlag = 0;
}

void FrmTOB::frmTOB_Timer1_Timer() {
  // A failing tick skips the rest of its work and is reported once per opening, so
  // that the sheet stays usable instead of raising a box every two seconds.
  try {
    simlink::ReadSimulatorState(pro_);
    ShowTobWeather();
    ShowTobFuel();
    ShowTobWeights();
    ReadAddonVSpeeds();
  } catch (const std::exception&) {
    if (tickErrorReported_) return;
    tickErrorReported_ = true;
    ui::ReportHandlerError(Env(), std::current_exception());
  }
}

void FrmTOB::OpenDialog(ui::Form* dialog) {
  if (!dialog) return;
  dialog->Load();
  announce::SetWindowTopmost(pro_, dialog->Handle());
  dialog->Show();
  pro_.svc.pump->Pump();
}

void FrmTOB::frmTOB_buttonCA_Click() {
  if (CommitTobForm()) OpenDialog(dialogs.frmCA);
}
void FrmTOB::frmTOB_buttonPB設定_Click() {
  if (CommitTobForm()) OpenDialog(dialogs.frmPB);
}
void FrmTOB::frmTOB_buttonTiming_Click() {
  if (CommitTobForm()) OpenDialog(dialogs.frmTSet);
}
void FrmTOB::frmTOB_button給油_Click() {
  if (CommitTobForm()) OpenDialog(dialogs.frmFuelTank);
}
void FrmTOB::frmTOB_button会社国内_Click() {
  if (CommitTobForm()) OpenDialog(dialogs.frm会社国内線);
}
void FrmTOB::frmTOB_button会社国際_Click() {
  if (CommitTobForm()) OpenDialog(dialogs.frm会社国際線);
}
void FrmTOB::frmTOB_button国内_Click(int index) {
  if (!CommitTobForm()) return;
  pro_.briefing.Pickers.AirportSide = static_cast<std::int16_t>(index);
  if (dialogs.openDomesticAirports) {
    dialogs.openDomesticAirports(index);
  } else {
    OpenDialog(dialogs.frm国内線);
  }
}
void FrmTOB::frmTOB_button国際_Click(int index) {
  if (!CommitTobForm()) return;
  pro_.briefing.Pickers.AirportSide = static_cast<std::int16_t>(index);
  if (dialogs.openInternationalAirports) {
    dialogs.openInternationalAirports(index);
  } else {
    OpenDialog(dialogs.frm国際線);
  }
}

void FrmTOB::frmTOB_button音声リスト_Click() {
  if (!CommitTobForm()) return;
  auto& pump = *pro_.svc.pump;
  const ui::Answer answer = pro_.boxes->Show(
      "空港、航空会社など音声の有無を調査し\nTab 区切りの txt ファイルとして\n作成および表示します\n\nよろしいですか？",
      ui::Buttons::OkCancel, ui::Icon::Question, kVoiceListTitle);
  if (answer != ui::Answer::Ok) return;
  std::filesystem::path file;
  try {
    file = datafiles::WriteVoiceList(*pro_.svc.paths, pro_.files.AirlineTable, pro_.files.AirportTable);
  } catch (const std::exception&) {
    // A list that cannot be written is reported with its file, and nothing is shown.
    pro_.boxes->Show("音声リストを作成できません\n" + pro_.svc.paths->Under(datafiles::kVoiceListFile).string() +
                         "\n\n" + ui::ErrorMessage(std::current_exception()),
                     ui::Buttons::Ok, ui::Icon::Critical, kVoiceListTitle);
    return;
  }
  pump.Pump();
  if (pro_.svc.textViewer) pro_.svc.textViewer->Show(file, true);
  pump.Pump();
}

void FrmTOB::frmTOB_buttonV計算_Click() {
  if (!CommitTobForm()) return;
  state::TobBriefingValues& t = pro_.briefing.TobBriefing;
  if (t.AircraftTypeCode == 0) {
    pro_.boxes->Show(kAddonTypeMessage, ui::Buttons::Ok, ui::Icon::Information, kAddonTypeTitle);
    return;
  }
  const double tonnes = GrossTonnes(pro_.sim.FuelTotals.FuelTotalLbs, pro_.sim.ZeroFuelWeightLbs);
  if (const auto speeds = ComputeVSpeeds(t.AircraftTypeCode, tonnes)) {
    t.TakeoffV1 = speeds->v1;
    t.TakeoffVr = speeds->vr;
    t.TakeoffV2 = speeds->v2;
  }
  FillTakeoffBriefingForm();
  pro_.svc.pump->Pump();
}

void FrmTOB::frmTOB_buttonVreset_Click() {
  if (!CommitTobForm()) return;
  state::TobBriefingValues& t = pro_.briefing.TobBriefing;
  if (t.AircraftTypeCode == 0) {
    pro_.boxes->Show(kAddonTypeMessage, ui::Buttons::Ok, ui::Icon::Information, kAddonTypeTitle);
    return;
  }
  if (const auto speeds = ResetVSpeeds(t.AircraftTypeCode)) {
    t.TakeoffV1 = speeds->v1;
    t.TakeoffVr = speeds->vr;
    t.TakeoffV2 = speeds->v2;
  }
  FillTakeoffBriefingForm();
  pro_.svc.pump->Pump();
}

void FrmTOB::frmTOB_buttonOK_Click() {
  auto& pump = *pro_.svc.pump;
  if (!CommitTobForm()) return;
  state::BriefingState& b = pro_.briefing;
  state::TobBriefingValues& t = b.TobBriefing;
  if (!pro_.sim.AddonSessionOpen && t.AircraftTypeCode == 0) {
    pro_.boxes->Show("Level-D767が選択されていますが、Level-D767との通信ができません。\n"
                     "機種をLevel-D767以外で選択してください。",
                     ui::Buttons::Ok, ui::Icon::Exclamation, "ＴＯＢチェック");
    return;
  }
  if (pro_.sim.HeightAboveGround <= kGroundHeight) {
    const ui::Answer answer = pro_.boxes->Show(
        "テイクオフ・ブリーフィングの設定項目を確定します\n\nキャプテン！　よろしいですか？", ui::Buttons::YesNo,
        ui::Icon::Question, "ＴＯＢ確定");
    if (answer != ui::Answer::Yes) return;
    t.AircraftHeight = runtime::CInt(static_cast<double>(pro_.sim.HeightAboveGround));
    announce::ClearFlightMaxima(pro_);
    const state::BriefingEventTime& departure = b.BriefingTimes.events[0];
    const HourMinute before = TenMinutesBefore({departure.localHour, departure.localMinute});
    pro_.boxes->Show("出発時刻は [ " + runtime::Format(departure.localHour, "00") + "：" +
                         runtime::Format(departure.localMinute, "00") + " ] です\n\nＦＳのローカルタイムを１０分前の ***[ " +
                         runtime::Format(before.hour, "00") + "：" + runtime::Format(before.minute, "00") +
                         " ]*** に合わせてください\n\nすでにテイクオフブリーフィングをすませている場合はそのままお続けください",
                     ui::Buttons::Ok, ui::Icon::Information, "時刻設定");
    pump.Pump();
  }
  pro_.engine.SpecialVoiceOn = t.AirlineName == "ノースウェスト航空" && runtime::IsNumeric(t.FlightNumber) &&
                               runtime::CDbl(t.FlightNumber) == 57.0;
  b.SpecialEngineSoundOn = (b.SpecialEngineSoundAvailable == 1 && checkHimituON.Value() == 1) ? 1 : 0;
  mainfiles::WriteVexlorSdCfg(pro_);
  pump.Pump();
  Unload();
  pump.Pump();
}

}  // namespace vx::briefing
