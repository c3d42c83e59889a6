#include "mainwindow/frm_help.h"

#include <stdexcept>
#include <string>

#include "announce/flight_window_view.h"
#include "announce/flight_windows.h"
#include "mainwindow/command_keys.h"
#include "platform/event_pump.h"
#include "state/pro_context.h"

namespace vx::mainwindow {
namespace {

using K = ui::ControlKind;

constexpr ui::ControlRow kRows[] = {
    {"Label1", K::Label, 120, 120, 9120, 300, "VEXLOR-PRO で使えるコマンド一覧です"},
    {"Label2", K::Label, 1560, 480, 3720, 270, "地上にて"},
    {"Label3", K::Label, 5400, 480, 3720, 270, "上空にて"},
    {"buttonCA0", K::CommandButton, 120, 840, 1320, 300, "C - A - 0"},
    {"Label地上", K::Label, 1560, 870, 3720, 270, "出発空港案内", 0, false, 0},
    {"buttonCA1", K::CommandButton, 120, 1170, 1320, 300, "C - A - 1"},
    {"Label地上", K::Label, 1560, 1200, 3720, 270, "テイクオフ・ブリーフィング", 0, false, 1},
    {"Label上空", K::Label, 5400, 1200, 3720, 270, "ベルトサインＯＦＦ", 0, false, 1},
    {"buttonCA2", K::CommandButton, 120, 1500, 1320, 300, "C - A - 2"},
    {"Label地上", K::Label, 1560, 1530, 3720, 270, "エンジンスタート（プッシュバック）", 0, false, 2},
    {"Label上空", K::Label, 5400, 1530, 3720, 270, "機長挨拶", 0, false, 2},
    {"buttonCA3", K::CommandButton, 120, 1830, 1320, 300, "C - A - 3"},
    {"Label地上", K::Label, 1560, 1860, 3720, 270, "タクシー、安全放送", 0, false, 3},
    {"Label上空", K::Label, 5400, 1860, 3720, 270, "機内サービス開始 （国際線）", 0, false, 3},
    {"buttonCA4", K::CommandButton, 120, 2160, 1320, 300, "C - A - 4"},
    {"Label地上", K::Label, 1560, 2190, 3720, 270, "離陸します", 0, false, 4},
    {"Label上空", K::Label, 5400, 2190, 3720, 270, "ランディング・ブリーフィング", 0, false, 4},
    {"buttonCA5", K::CommandButton, 120, 2490, 1320, 300, "C - A - 5"},
    {"Label地上", K::Label, 1560, 2520, 3720, 270, "空港到着放送", 0, false, 5},
    {"Label上空", K::Label, 5400, 2520, 3720, 270, "１時間前、降下開始 （国際線）", 0, false, 5},
    {"buttonCA6", K::CommandButton, 120, 2820, 1320, 300, "C - A - 6"},
    {"Label地上", K::Label, 1560, 2850, 3720, 270, "到着空港案内・最後の挨拶", 0, false, 6},
    {"Label上空", K::Label, 5400, 2850, 3720, 270, "免税品販売終了（国際線）", 0, false, 6},
    {"buttonCA7", K::CommandButton, 120, 3150, 1320, 300, "C - A - 7"},
    {"Label上空", K::Label, 5400, 3180, 3720, 270, "アプローチ・アナウンス", 0, false, 7},
    {"buttonCA8", K::CommandButton, 120, 3480, 1320, 300, "C - A - 8"},
    {"Label上空", K::Label, 5400, 3510, 3720, 270, "最終着陸態勢", 0, false, 8},
    {"buttonCA9", K::CommandButton, 120, 3810, 1320, 300, "C - A - 9"},
    {"Label地上", K::Label, 1560, 3840, 3720, 270, "離陸待ち", 0, false, 9},
    {"Label上空", K::Label, 5400, 3840, 3720, 270, "気流注意放送", 0, false, 9},
    {"buttonCC", K::CommandButton, 120, 4140, 1320, 300, "C - C"},
    {"Label4", K::Label, 1560, 4170, 7560, 270, "音声コンティニュー　地上・上空における次のアナウンスを行います"},
    {"buttonCB", K::CommandButton, 120, 4470, 1320, 300, "C - B"},
    {"Label5", K::Label, 1560, 4500, 7560, 270, "音声およびプッシュバックの途中キャンセル"},
    {"buttonBA", K::CommandButton, 120, 4800, 1320, 300, "B - A"},
    {"Label6", K::Label, 1560, 4830, 7560, 270, "ランダムＡＴＣの再生をＯＮ／ＯＦＦします"},
    {"buttonBB", K::CommandButton, 120, 5130, 1320, 300, "B - B"},
    {"Label7", K::Label, 1560, 5160, 7560, 270, "ＢＢ設定　テイクオフ・ブリーフィング　の各種設定を行います"},
    {"Label8", K::Label, 120, 5520, 3000, 300, "特殊操作"},
    {"buttonB1", K::CommandButton, 120, 5880, 1320, 300, "B - 1"},
    {"Label9", K::Label, 1560, 5910, 7560, 270, "ヘルプ表示（この画面）"},
    {"buttonB2", K::CommandButton, 120, 6210, 1320, 300, "B - 2"},
    {"Label10", K::Label, 1560, 6240, 7560, 270, "プッシュバック設定（いつでも可）"},
    {"buttonB3", K::CommandButton, 120, 6540, 1320, 300, "B - 3"},
    {"Label11", K::Label, 1560, 6570, 7560, 270, "音声設定（いつでも可）"},
    {"buttonB4", K::CommandButton, 120, 6870, 1320, 300, "B - 4"},
    {"Label12", K::Label, 1560, 6900, 7560, 270, "キー設定（いつでも可）"},
    {"buttonB5", K::CommandButton, 120, 7200, 1320, 300, "B - 5"},
    {"Label13", K::Label, 1560, 7230, 7560, 270, "ワイパーＯＮ／ＯＦＦ"},
    {"buttonB6", K::CommandButton, 120, 7530, 1320, 300, "B - 6"},
    {"Label14", K::Label, 1560, 7560, 7560, 270, "エアコンＯＮ／ＯＦＦ"},
    {"buttonB7", K::CommandButton, 120, 7860, 1320, 300, "B - 7"},
    {"Label15", K::Label, 1560, 7890, 7560, 270, "ＢＧＭ音量（－）連続押し可能"},
    {"buttonB8", K::CommandButton, 120, 8190, 1320, 300, "B - 8"},
    {"Label16", K::Label, 1560, 8220, 7560, 270, "ＢＧＭ ＳＴＯＰ"},
    {"buttonB9", K::CommandButton, 120, 8520, 1320, 300, "B - 9"},
    {"Label17", K::Label, 1560, 8550, 7560, 270, "ＢＧＭ音量（＋）連続押し可能"},
    {"buttonB0", K::CommandButton, 120, 8850, 1320, 300, "B - 0"},
    {"Label18", K::Label, 1560, 8880, 7560, 270, "ＢＧＭ開始・変更（連続押し可能）"},
    {"Label19", K::Label, 120, 9240, 9120, 300, "音声の音量　大／小　「スペース」キー"},
    {"buttonExit", K::CommandButton, 7920, 9660, 1320, 420, "Exit"},
};

constexpr double kWidth = 9480, kHeight = 10620;

constexpr HelpButton kButtons[] = {
    {"buttonCA0", HelpAction::Request, 10}, {"buttonCA1", HelpAction::Request, 11},
    {"buttonCA2", HelpAction::Request, 12}, {"buttonCA3", HelpAction::Request, 13},
    {"buttonCA4", HelpAction::Request, 14}, {"buttonCA5", HelpAction::Request, 15},
    {"buttonCA6", HelpAction::Request, 16}, {"buttonCA7", HelpAction::Request, 17},
    {"buttonCA8", HelpAction::Request, 18}, {"buttonCA9", HelpAction::Request, 19},
    {"buttonCC", HelpAction::Request, 20},  {"buttonCB", HelpAction::Cancel},
    {"buttonBA", HelpAction::AtcChatter},   {"buttonBB", HelpAction::Briefing},
    {"buttonB1", HelpAction::None},         {"buttonB2", HelpAction::OpenPushback},
    {"buttonB3", HelpAction::OpenVoice},    {"buttonB4", HelpAction::OpenKeys},
    {"buttonB5", HelpAction::Request, 55},  {"buttonB6", HelpAction::Request, 56},
    {"buttonB7", HelpAction::Request, 57},  {"buttonB8", HelpAction::Request, 58},
    {"buttonB9", HelpAction::Request, 59},  {"buttonB0", HelpAction::Request, 50},
    {"buttonExit", HelpAction::Close},
};

}  // namespace

std::span<const HelpButton> HelpButtons() { return kButtons; }

ui::FormLayout FrmHelp::Layout() { return {"frmHelp", kWidth, kHeight, kRows}; }

FrmHelp::FrmHelp(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frmHelp"), pro_(pro) {
  onLoad = [this] { frmHelp_Form_Load(); };
  onUnload = [this] { frmHelp_Form_Unload(); };
  // The panel's controls are its layout's rows.
  for (const ui::ControlRow& row : kRows) {
    if (row.kind == K::Label) labels_.push_back(std::make_unique<ui::Label>(*this, std::string(row.name), row.index));
  }
  for (const HelpButton& b : kButtons) {
    auto button = std::make_unique<ui::CommandButton>(*this, std::string(b.control));
    button->onClick = [this, &b] { frmHelp_Button_Click(b); };
    buttons_.push_back(std::move(button));
  }
}

ui::CommandButton& FrmHelp::Button(std::string_view control) const {
  for (const auto& b : buttons_) {
    if (b->Name() == control) return *b;
  }
  throw std::out_of_range("frmHelp has no button " + std::string(control));
}

void FrmHelp::Design() {
  SetCaption("Ｈｅｌｐ");
  SetBorderStyle(ui::BorderStyle::FixedToolWindow);
  Move(0, 0, kWidth, kHeight);
  ui::ApplyLayout(*this, kRows);
}

void FrmHelp::frmHelp_Form_Load() {
  flightAtLoad_ = pro_.engine.FlightId;
  pro_.flight.HelpOpenFlag = true;
  pro_.engine.AnnounceAbort = false;
  pro_.svc.pump->Pump();
}

void FrmHelp::frmHelp_Form_Unload() {
  if (pro_.main.HelpFromFlight) announce::BringSimulatorToFront(pro_);
  pro_.flight.HelpOpenFlag = false;
  pro_.svc.pump->Pump();
}

bool FrmHelp::ActsOnFlight() const {
  return pro_.main.HelpFromFlight && !pro_.engine.FlightWindowClosed && pro_.engine.FlightId == flightAtLoad_;
}

void FrmHelp::OpenSettingsWindow(HelpAction action) {
  const bool fromFlight = ActsOnFlight();
  announce::FlightForm form = announce::FlightForm::frmPB;
  switch (action) {
    case HelpAction::OpenPushback:
      pro_.briefing.PushbackFormFromFlight = fromFlight;
      form = announce::FlightForm::frmPB;
      break;
    case HelpAction::OpenVoice:
      pro_.briefing.VoiceFormFromFlight = fromFlight;
      form = announce::FlightForm::frm音声設定;
      break;
    default:
      pro_.main.KeyFormFromFlight = fromFlight;
      form = announce::FlightForm::frmキー設定;
      break;
  }
  announce::ShowFlightFormOnTop(pro_, form);
  pro_.svc.pump->Pump();
  // The focus stays with the new window rather than going to the simulator.
  pro_.main.HelpFromFlight = false;
}

void FrmHelp::frmHelp_Button_Click(const HelpButton& button) {
  if (button.action == HelpAction::None) return;
  state::MainState& m = pro_.main;
  const bool onFlight = ActsOnFlight();
  switch (button.action) {
    case HelpAction::Request:
      if (onFlight) pro_.engine.AnnounceRequest = button.request;
      break;
    case HelpAction::AtcChatter:
      if (!onFlight) break;
      if (pro_.flight.AtcChatterState == 0) {
        pro_.flight.AtcChatterState = 3;
      } else if (pro_.flight.AtcChatterState == 1) {
        pro_.flight.AtcChatterState = 2;
      }
      m.KeySequence.step = 0;
      break;
    case HelpAction::Briefing:
      if (!onFlight) break;
      m.TobFromFlight = true;
      m.KeySequence.step = 0;
      if (m.keyWindows.frmTOB) {
        m.keyWindows.frmTOB->Load();
        announce::SetWindowTopmost(pro_, m.keyWindows.frmTOB->Handle());
        m.keyWindows.frmTOB->Show();
        pro_.svc.pump->Pump();
      }
      break;
    case HelpAction::Cancel:
      if (!onFlight) break;
      m.KeySequence.step = 0;
      CancelAnnouncement(pro_);
      break;
    case HelpAction::OpenPushback:
    case HelpAction::OpenVoice:
    case HelpAction::OpenKeys:
      OpenSettingsWindow(button.action);
      break;
    case HelpAction::None:
    case HelpAction::Close:
      break;
  }
  Unload();
  pro_.svc.pump->Pump();
}

}  // namespace vx::mainwindow
