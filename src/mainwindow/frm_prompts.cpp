#include "mainwindow/frm_prompts.h"

#include <string>

#include "announce/flight_windows.h"
#include "platform/event_pump.h"
#include "runtime/numbers.h"
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
    {"Label1", K::Label, 240, 2640, 3240, 300, "気温　　　　　　　℃"},
    {"tbx気温", K::TextBox, 960, 2580, 960, 360, "20"},
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

}  // namespace vx::mainwindow
