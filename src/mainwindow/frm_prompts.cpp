#include "mainwindow/frm_prompts.h"

#include <string>

#include "announce/flight_windows.h"
#include "mainfiles/files.h"
#include "platform/addon_link.h"
#include "platform/event_pump.h"
#include "runtime/numbers.h"
#include "runtime/text_rules.h"
#include "simlink/addon_messages.h"
#include "simlink/simulator_link.h"
#include "state/pro_context.h"
#include "ui/input_check.h"
#include "ui/message_box.h"

namespace vx::mainwindow {

namespace {

using K = ui::ControlKind;

void Pump(state::ProContext& pro) {
  if (pro.svc.pump) pro.svc.pump->Pump();
}

constexpr double kGateWidth = 5880, kGateHeight = 2400;
constexpr ui::ControlRow kGateRows[] = {
    {"Label1", K::Label, 120, 120, 5520, 300, "ＡＴＣ から指示された到着ゲートを設定してください"},
    {"Label2", K::Label, 120, 660, 1500, 300, "　到着ゲート"},
    {"tbx到着Gate", K::TextBox, 1680, 600, 1200, 360, "12"},
    {"buttonOK", K::CommandButton, 4200, 1200, 1320, 495, "OK"},
};

constexpr double kPauseWidth = 5400, kPauseHeight = 2700;
constexpr ui::ControlRow kPauseRows[] = {
    {"Image1", K::Image, 120, 120, 960, 960},
    {"Label1", K::Label, 1320, 120, 3840, 420, "オートポーズ", 14, true},
    {"Label2", K::Label, 1320, 660, 3840, 900,
     "「ＯＫ」 ボタンを押すとポーズが\r\n解除されます。\r\n旅の続きをお楽しみ下さい♪"},
    {"buttonOK", K::CommandButton, 3840, 1680, 1320, 495, "OK"},
};

constexpr double kGreetingWidth = 7200, kGreetingHeight = 4560;
constexpr ui::ControlRow kGreetingRows[] = {
    {"Frame1", K::Frame, 120, 120, 4200, 2280, "挨拶選択"},
    {"selectAnounce1", K::OptionButton, 120, 300, 3960, 330, "新日本語アナウンスのみ"},
    {"selectAnounce2", K::OptionButton, 120, 690, 3960, 330, "新日本語アナウンス＋英語アナウンス"},
    {"selectAnounce3", K::OptionButton, 120, 1080, 3960, 330, "英語アナウンスのみ"},
    {"selectAnounce4", K::OptionButton, 120, 1470, 3960, 330, "日本語アナウンスのみ"},
    {"selectAnounce5", K::OptionButton, 120, 1860, 3960, 330, "日本語＋英語アナウンス"},
    {"Frame2", K::Frame, 4440, 120, 2520, 3000, "到着地の天候"},
    {"sel天候", K::OptionButton, 120, 300, 2280, 330, "晴れ", 0, false, 0},
    {"sel天候", K::OptionButton, 120, 690, 2280, 330, "晴れ時々曇り", 0, false, 1},
    {"sel天候", K::OptionButton, 120, 1080, 2280, 330, "曇り", 0, false, 2},
    {"sel天候", K::OptionButton, 120, 1470, 2280, 330, "曇り時々雨", 0, false, 3},
    {"sel天候", K::OptionButton, 120, 1860, 2280, 330, "雨", 0, false, 4},
    {"sel天候", K::OptionButton, 120, 2250, 2280, 330, "雷雨", 0, false, 5},
    {"sel天候", K::OptionButton, 120, 2640, 2280, 330, "雪", 0, false, 6},
    // The box lies in the blank run of the label's text, between "気温" and "℃".
    {"Label1", K::Label, 240, 2640, 3240, 300, "気温　　　　　　　℃"},
    {"tbx気温", K::TextBox, 660, 2580, 720, 360, "20"},
    {"buttonOK", K::CommandButton, 2880, 3480, 1920, 495, "OK"},
    {"buttonCancel", K::CommandButton, 5040, 3480, 1920, 495, "Cancel"},
};

constexpr double kMileageWidth = 6000, kMileageHeight = 3600;
constexpr ui::ControlRow kMileageRows[] = {
    {"Image1", K::Image, 0, 0, 6000, 3600},
    {"Label1", K::Label, 600, 840, 4800, 480, "", 14, true},
    {"Label2", K::Label, 600, 1560, 4800, 600, "1,990,000", 24, true},
    {"buttonExit", K::CommandButton, 4440, 2880, 1320, 495, "Exit"},
};

// Each box lies in the blank run of its label's text, between the field's name and its
// unit ("feet", "度"); the places follow the widths of the system's font.
constexpr double kLandingWidth = 7800, kLandingHeight = 7440;
constexpr ui::ControlRow kLandingRows[] = {
    {"Label1", K::Label, 120, 120, 7440, 420, "ランディング・ブリーフィング", 14, true},
    {"Label_ブリーフィング", K::Label, 120, 780, 3120, 300, "　１．ランディング・ランウェイ", 0, false, 0},
    {"comboRWY1", K::ComboBox, 3360, 720, 660, 360, "1"},
    {"comboRWY2", K::ComboBox, 4080, 720, 660, 360, "6"},
    {"comboRWY3", K::ComboBox, 4800, 720, 1800, 360, "ライト(R)"},
    {"Label_ブリーフィング", K::Label, 120, 1320, 3120, 300, "  ２．アプローチ方式", 0, false, 1},
    {"comboアプローチ方式1", K::ComboBox, 3360, 1260, 2880, 360, "ビジュアル・アプローチ"},
    {"comboアプローチ方式2", K::ComboBox, 6300, 1260, 1260, 360},
    {"Label_ブリーフィング", K::Label, 120, 1860, 4800, 300, "  ３．ランディング・フラップ       　  度", 0, false, 2},
    {"combo着陸Flap", K::ComboBox, 2070, 1800, 585, 360, "30"},
    {"Label_ブリーフィング", K::Label, 120, 2400, 3120, 300, "  ４．ゴーアラウンド", 0, false, 3},
    {"Label_ブリーフィング", K::Label, 600, 2880, 4800, 300, "ゴーアラウンド・高度　             feet", 0, false, 6},
    {"tbxGA高度", K::TextBox, 2160, 2820, 780, 360, "4500"},
    {"Label_ブリーフィング", K::Label, 600, 3360, 4800, 300, "ゴーアラウンド・フラップ　　　  　　度", 0, false, 7},
    {"comboGAFlap", K::ComboBox, 2385, 3300, 675, 360, "15"},
    {"Label_ブリーフィング", K::Label, 120, 3900, 3120, 300, "  ５．アプローチ高度", 0, false, 4},
    {"Label_ブリーフィング", K::Label, 600, 4380, 4800, 300, "ミニマム（決心高度）               feet", 0, false, 8},
    {"tbxMinimum", K::TextBox, 2130, 4320, 720, 360, "200"},
    {"Label_ブリーフィング", K::Label, 600, 4860, 4800, 300, "アプローチング・ミニマム           feet", 0, false, 9},
    {"tbxAprMinimum", K::TextBox, 2460, 4800, 585, 360, "350"},
    {"Label_ブリーフィング", K::Label, 120, 5400, 3120, 300, "  ６．最終進入速度", 0, false, 5},
    {"Label_ブリーフィング", K::Label, 600, 5880, 6960, 300, "Vref30           Level-D767 使用時のみ自動表示", 0, false, 10},
    {"tbxVref30", K::TextBox, 1110, 5820, 540, 360, "170"},
    {"buttonOK", K::CommandButton, 3720, 6360, 1680, 495, "OK"},
    {"buttonCancel", K::CommandButton, 5640, 6360, 1680, 495, "Cancel"},
};

constexpr const char* kApproachTypes[] = {
    "ビジュアル・アプローチ", "コンタクト・アプローチ", "LLZ", "ILS", "ILS/DME", "VOR", "VOR/ILS",
    "VOR/LLZ", "VOR/DME", "VOR/DME/ILS", "VOR/DME/LLZ", "VORTAC", "VORTAC/ILS", "ADF",
    "ADF/ILS", "ADF/LLZ", "ADF/DME", "ADF/VOR", "ADF/VOR/DME", "ADF/LLZ/DME"};
// An empty entry, then each variant with one leading blank (the last five in full-width digits).
constexpr const char* kApproachVariants[] = {"",        " A",      " B",      " C",      " D",    " E",    " F",
                                             " Nr.1",   " Nr.2",   " Nr.3",   " Nr.4",   " Nr.5", " Nr.6", " A Nr.1",
                                             " A Nr.2", " A Nr.3", " １",     " ２",     " ３",   " ４",   " ５"};

// The runway side as the side combo words it, and back.
std::string SideWord(const std::string& letter) {
  if (letter == "R") return "ライト(R)";
  if (letter == "L") return "レフト(L)";
  if (letter == "C") return "センター(C)";
  return "";
}

std::string SideLetter(const std::string& word) {
  if (word == "レフト(L)") return "L";
  if (word == "ライト(R)") return "R";
  if (word == "センター(C)") return "C";
  return "N";
}

// A runway digit into its list-only combo; a character that is not one of its digits
// leaves the digit the combo has, so that the runway number stays digits.
void ShowRunwayDigit(ui::ComboBox& combo, const std::string& digit) {
  for (int i = 0; i < combo.ListCount(); ++i) {
    if (combo.List(i) == digit) {
      combo.SetListIndex(i);
      return;
    }
  }
}

}  // namespace

// --- frmArvGate

FrmArvGate::FrmArvGate(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frmArvGate"), pro_(pro) {
  onLoad = [this] { frmArvGate_Form_Load(); };
  onUnload = [this] { frmArvGate_Form_Unload(); };
  buttonOK.onClick = [this] { frmArvGate_buttonOK_Click(); };
  tbx到着Gate.onGotFocus = [this] { tbx到着Gate.SelectAll(); };
}

ui::FormLayout FrmArvGate::Layout() { return {"frmArvGate", kGateWidth, kGateHeight, kGateRows}; }

void FrmArvGate::Design() {
  SetCaption("到着ゲート設定");
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  Move(0, 0, kGateWidth, kGateHeight);
  ui::ApplyLayout(*this, kGateRows);
}

void FrmArvGate::frmArvGate_Form_Load() {
  tbx到着Gate.SetText(runtime::IntText(pro_.main.ArrivalGate));
  Show();
  tbx到着Gate.SetFocus();
  tbx到着Gate.SelectAll();
  Pump(pro_);
}

void FrmArvGate::frmArvGate_Form_Unload() { announce::BringSimulatorToFront(pro_); }

bool FrmArvGate::ReadArrivalGate() {
  const auto gate = ui::ReadTypedInt16(pro_.boxes, tbx到着Gate.Text(), "到着ゲート番号が", "到着ゲート 確定");
  if (!gate) return false;
  pro_.main.ArrivalGate = *gate;
  return true;
}

void FrmArvGate::frmArvGate_buttonOK_Click() {
  if (ReadArrivalGate()) Unload();
}

// --- frmAutoPause

FrmAutoPause::FrmAutoPause(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frmAutoPause"), pro_(pro) {
  buttonOK.onClick = [this] { frmAutoPause_buttonOK_Click(); };
}

ui::FormLayout FrmAutoPause::Layout() { return {"frmAutoPause", kPauseWidth, kPauseHeight, kPauseRows}; }

void FrmAutoPause::Design() {
  SetCaption("オートポーズ");
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  Move(0, 0, kPauseWidth, kPauseHeight);
  ui::ApplyLayout(*this, kPauseRows);
  Image1.SetStretch(true);
}

void FrmAutoPause::ShowTopmost() {
  Load();
  announce::SetWindowTopmost(pro_, Handle());
  Show();
}

void FrmAutoPause::frmAutoPause_buttonOK_Click() {
  Unload();
  Pump(pro_);
  simlink::ResumeSimulator(pro_);
  Pump(pro_);
}

// --- frmCPAnounce

FrmCPAnounce::FrmCPAnounce(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frmCPAnounce"), pro_(pro) {
  onLoad = [this] { frmCPAnounce_Form_Load(); };
  onQueryUnload = [this](bool& cancel, ui::UnloadMode mode) { frmCPAnounce_Form_QueryUnload(cancel, mode); };
  onUnload = [this] { frmCPAnounce_Form_Unload(); };
  buttonOK.onClick = [this] { frmCPAnounce_buttonOK_Click(); };
  buttonCancel.onClick = [this] { frmCPAnounce_buttonCancel_Click(); };
}

ui::FormLayout FrmCPAnounce::Layout() { return {"frmCPAnounce", kGreetingWidth, kGreetingHeight, kGreetingRows}; }

void FrmCPAnounce::Design() {
  SetCaption("Captain Anounce");
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  Move(0, 0, kGreetingWidth, kGreetingHeight);
  ui::ApplyLayout(*this, kGreetingRows);
  selectAnounce1.SetValue(true);
  sel天候(0).SetValue(true);
}

void FrmCPAnounce::frmCPAnounce_Form_Load() { Pump(pro_); }

// The close box answers as a confirmed Cancel: the waiting greeting ends instead of
// asking for ever.
void FrmCPAnounce::frmCPAnounce_Form_QueryUnload(bool& /*cancel*/, ui::UnloadMode mode) {
  if (mode == ui::UnloadMode::ControlMenu && pro_.flight.CaptainAnnounceState == 0) {
    pro_.flight.CaptainAnnounceState = 2;
  }
}

void FrmCPAnounce::frmCPAnounce_Form_Unload() { announce::BringSimulatorToFront(pro_); }

bool FrmCPAnounce::ReadCaptainAnnounceOptions() {
  state::FlightState& f = pro_.flight;
  f.CaptainAnnounceLanguage = 0;
  const ui::OptionButton* languages[] = {&selectAnounce1, &selectAnounce2, &selectAnounce3, &selectAnounce4,
                                         &selectAnounce5};
  for (int n = 1; n <= 5; ++n) {
    if (languages[n - 1]->Value()) {
      f.CaptainAnnounceLanguage = static_cast<std::int16_t>(n);
      break;
    }
  }
  if (f.CaptainAnnounceLanguage == 0) {
    f.CaptainAnnounceLanguage = 1;
    selectAnounce1.SetValue(true);
  }
  f.DestinationWeather = 0;
  for (int i = 0; i <= 6; ++i) {
    if (sel天候(i).Value()) {
      f.DestinationWeather = static_cast<std::int16_t>(i);
      break;
    }
  }
  const auto temperature = ui::ReadTypedInt16(pro_.boxes, tbx気温.Text(), "気温が", "キャプテン・アナウンス 確定");
  if (!temperature) return false;
  f.DestinationTemperature = *temperature;
  return true;
}

void FrmCPAnounce::frmCPAnounce_buttonOK_Click() {
  if (!ReadCaptainAnnounceOptions()) return;
  pro_.flight.CaptainAnnounceState = 1;
  Pump(pro_);
  Unload();
}

void FrmCPAnounce::frmCPAnounce_buttonCancel_Click() {
  const ui::Answer answer =
      pro_.boxes ? pro_.boxes->Show("キャプテン・アナウンスをキャンセルします\nキャプテン・アナウンスを行ないたい場合は\n"
                                    "「Ｃ－Ａ－２」　をキーインしてください\n\nよろしいですか？",
                                    ui::Buttons::OkCancel, ui::Icon::Question, "キャプテン・アナウンス")
                 : ui::Answer::Ok;
  if (answer == ui::Answer::Cancel) return;
  pro_.flight.CaptainAnnounceState = 2;
  Pump(pro_);
  Unload();
}

// --- frmマイル達成

FrmMileage::FrmMileage(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frmマイル達成"), pro_(pro) {
  onLoad = [this] { frmマイル達成_Form_Load(); };
  buttonExit.onClick = [this] {
    Unload();
    Pump(pro_);
  };
  const auto drag = [this](const ui::MouseArgs&) { StartWindowDrag(); };
  onMouseDown = drag;
  Label1.onMouseDown = drag;
  Label2.onMouseDown = drag;
}

ui::FormLayout FrmMileage::Layout() { return {"frmマイル達成", kMileageWidth, kMileageHeight, kMileageRows}; }

void FrmMileage::Design() {
  SetCaption("");
  SetBorderStyle(ui::BorderStyle::None);
  Move(0, 0, kMileageWidth, kMileageHeight);
  ui::ApplyLayout(*this, kMileageRows);
  Image1.SetStretch(true);
}

void FrmMileage::frmマイル達成_Form_Load() {
  Label1.SetCaption(pro_.main.CaptainName + "　殿");
  Label2.SetCaption(runtime::Format(pro_.files.MileageMilestone, "0,000"));
  Pump(pro_);
}

// --- frmLDB

FrmLDB::FrmLDB(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frmLDB"), pro_(pro) {
  onLoad = [this] { frmLDB_Form_Load(); };
  onQueryUnload = [this](bool& cancel, ui::UnloadMode mode) { frmLDB_Form_QueryUnload(cancel, mode); };
  onUnload = [this] { frmLDB_Form_Unload(); };
  buttonOK.onClick = [this] { frmLDB_buttonOK_Click(); };
  buttonCancel.onClick = [this] { frmLDB_buttonCancel_Click(); };
}

ui::FormLayout FrmLDB::Layout() { return {"frmLDB", kLandingWidth, kLandingHeight, kLandingRows}; }

void FrmLDB::Design() {
  SetCaption("Landing Briefing");
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  Move(0, 0, kLandingWidth, kLandingHeight);
  // The runway number goes to the call-out program as a number: its digits are chosen
  // from their lists, never typed.
  comboRWY1.SetStyle(ui::ComboStyle::ListOnly);
  comboRWY2.SetStyle(ui::ComboStyle::ListOnly);
  for (const char* d : {"0", "1", "2", "3"}) comboRWY1.AddItem(d);
  for (const char* d : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}) comboRWY2.AddItem(d);
  for (const char* side : {"", "ライト(R)", "レフト(L)", "センター(C)"}) comboRWY3.AddItem(side);
  for (const char* type : kApproachTypes) comboアプローチ方式1.AddItem(type);
  for (const char* variant : kApproachVariants) comboアプローチ方式2.AddItem(variant);
  for (const char* flap : {"25", "30"}) combo着陸Flap.AddItem(flap);
  for (const char* flap : {"1", "5", "10", "15", "20", "25", "30"}) comboGAFlap.AddItem(flap);
  ui::ApplyLayout(*this, kLandingRows);
}

void FrmLDB::frmLDB_Form_Load() {
  FillLandingBriefing();
  Pump(pro_);
}

void FrmLDB::FillLandingBriefing() {
  const state::LandingBriefingValues& l = pro_.flight.LandingBriefing;
  const state::TobBriefingValues& t = pro_.briefing.TobBriefing;
  ShowRunwayDigit(comboRWY1, runtime::Mid(l.LandingRunway, 1, 1));
  ShowRunwayDigit(comboRWY2, runtime::Mid(l.LandingRunway, 2, 1));
  comboRWY3.SetText(SideWord(runtime::Mid(l.LandingRunway, 3, 1)));
  comboアプローチ方式1.SetText(l.ApproachType);
  comboアプローチ方式2.SetText(l.ApproachVariant);
  combo着陸Flap.SetText(runtime::IntText(l.LandingFlap));
  tbxGA高度.SetText(runtime::IntText(l.GoAroundAltitude));
  comboGAFlap.SetText(runtime::IntText(l.GoAroundFlap));
  tbxMinimum.SetText(runtime::IntText(t.MinimumAltitude));
  tbxAprMinimum.SetText(runtime::IntText(t.ApproachingMinimumAltitude));

  // The add-on aircraft tells its Vref for flap 30; a failed read leaves the design text.
  if (pro_.sim.AddonSessionOpen && t.AircraftTypeCode == 0 && pro_.svc.addon) {
    platform::AddonDataRecord record;
    const std::int32_t result = pro_.svc.addon->ReadData(record);
    if (result != platform::kAddonOk) {
      if (pro_.boxes) simlink::LvldResultMessage(*pro_.boxes, result);
      return;
    }
    Pump(pro_);
    tbxVref30.SetText(runtime::IntText(record.At(platform::AddonDataRecord::kVref30)));
  }
  Pump(pro_);
}

bool FrmLDB::ReadLandingBriefing() {
  state::LandingBriefingValues& l = pro_.flight.LandingBriefing;
  state::TobBriefingValues& t = pro_.briefing.TobBriefing;
  l.LandingRunwayParts = {comboRWY1.Text(), comboRWY2.Text(), comboRWY3.Text()};
  l.LandingRunway = comboRWY1.Text() + comboRWY2.Text() + SideLetter(comboRWY3.Text());
  l.ApproachType = comboアプローチ方式1.Text();
  l.ApproachVariant = comboアプローチ方式2.Text();

  struct Field {
    const std::string& text;
    std::int16_t& stored;
    const char* label;
  };
  const Field fields[] = {
      {combo着陸Flap.Text(), l.LandingFlap, "着陸フラップが"},
      {tbxGA高度.Text(), l.GoAroundAltitude, "ゴーアラウンド高度が"},
      {comboGAFlap.Text(), l.GoAroundFlap, "ゴーアラウンドフラップが"},
      {tbxMinimum.Text(), t.MinimumAltitude, "ミニマム高度が"},
      {tbxAprMinimum.Text(), t.ApproachingMinimumAltitude, "アプローチング・ミニマム高度が"},
  };
  for (const Field& f : fields) {
    const auto value = ui::ReadTypedInt16(pro_.boxes, f.text, f.label, "ＬＤＢ 確定");
    if (!value) return false;
    f.stored = *value;
  }
  return true;
}

void FrmLDB::frmLDB_buttonOK_Click() {
  if (!ReadLandingBriefing()) return;
  // The flap 30 call is off below flap 30, and back at its default when it was off.
  std::int32_t& flap30Speed = pro_.briefing.TimingSettings.approachFlapSpeeds[5];
  if (pro_.flight.LandingBriefing.LandingFlap < 30) {
    flap30Speed = 0;
  } else if (flap30Speed <= 0) {
    flap30Speed = 185;
  }
  mainfiles::WriteVexlorSdCfg(pro_);
  Pump(pro_);
  pro_.flight.LandingBriefingState = 1;
  Pump(pro_);
  Unload();
}

void FrmLDB::frmLDB_buttonCancel_Click() {
  const ui::Answer answer =
      pro_.boxes ? pro_.boxes->Show("ランディング・ブリーフィングをキャンセルします\nランディング・ブリーフィングを行ないたい場合は\n"
                                    "「Ｃ－Ａ－４」　をキーインしてください\n\nよろしいですか？",
                                    ui::Buttons::OkCancel, ui::Icon::Question, "ＬＤＢ")
                 : ui::Answer::Ok;
  if (answer == ui::Answer::Cancel) return;
  pro_.flight.LandingBriefingState = 2;
  Pump(pro_);
  Unload();
}

// The close box answers as a confirmed Cancel: the waiting briefing ends instead of
// asking for ever.
void FrmLDB::frmLDB_Form_QueryUnload(bool& /*cancel*/, ui::UnloadMode mode) {
  if (mode == ui::UnloadMode::ControlMenu && pro_.flight.LandingBriefingState == 0) {
    pro_.flight.LandingBriefingState = 2;
  }
}

void FrmLDB::frmLDB_Form_Unload() { announce::BringSimulatorToFront(pro_); }

}  // namespace vx::mainwindow
