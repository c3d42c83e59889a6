#include "mainwindow/frm_key_settings.h"

#include "announce/flight_windows.h"
#include "briefing/dialog_fields.h"
#include "platform/event_pump.h"
#include "runtime/numbers.h"
#include "state/pro_context.h"
#include "ui/scope_guard.h"

namespace vx::mainwindow {
namespace {

using K = ui::ControlKind;

// The key-code table lists the codes a user may pick: 8 to 46 by name, the digits, the
// letters, F1 to F12 and the punctuation keys of the Japanese layout by their key tops.
constexpr ui::ControlRow kRows[] = {
    {"Label1", K::Label, 120, 120, 9240, 300, "ここではコマンド入力を行うキーを設定します"},
    {"Label2", K::Label, 120, 540, 9240, 300, "１．音量の大／小切替  デフォルトは「スペース」（キーコード 32）"},
    {"Label3", K::Label, 120, 1260, 9240, 300, "２．「Ａ」 コマンドキー  デフォルトは「Ａ」（キーコード 65）"},
    {"Label4", K::Label, 120, 1980, 9240, 300, "３．「Ｂ」 コマンドキー  デフォルトは「Ｂ」（キーコード 66）"},
    {"Label5", K::Label, 120, 2700, 9240, 300, "４．「Ｃ」 コマンドキー  デフォルトは「Ｃ」（キーコード 67）"},
    {"Label6", K::Label, 360, 900, 2520, 300, "１．音量　大／小"},
    {"tbxSpace", K::TextBox, 2940, 870, 900, 315},
    {"buttonDefSpace", K::CommandButton, 3960, 840, 2520, 375, "スペースキーに戻す"},
    {"Label7", K::Label, 360, 1620, 2520, 300, "２．「Ａ」 コマンドキー"},
    {"tbxA", K::TextBox, 2940, 1590, 900, 315},
    {"buttonDefA", K::CommandButton, 3960, 1560, 2520, 375, "「Ａ」　キーに戻す"},
    {"Label8", K::Label, 360, 2340, 2520, 300, "３．「Ｂ」 コマンドキー"},
    {"tbxB", K::TextBox, 2940, 2310, 900, 315},
    {"buttonDefB", K::CommandButton, 3960, 2280, 2520, 375, "「Ｂ」　キーに戻す"},
    {"Label9", K::Label, 360, 3060, 2520, 300, "４．「Ｃ」 コマンドキー"},
    {"tbxC", K::TextBox, 2940, 3030, 900, 315},
    {"buttonDefC", K::CommandButton, 3960, 3000, 2520, 375, "「Ｃ」　キーに戻す"},
    {"Label10", K::Label, 120, 3420, 9240, 300, "下のキーコード表から選び、キーコードの数値を入力して下さい"},
    {"Label11", K::Label, 120, 3720, 9240, 300, "キーコードの数値を入力して下さい"},
    {"Frame1", K::Frame, 120, 4080, 9240, 3600, "キーコード表"},
    {"Label12", K::Label, 120, 300, 1440, 3180, "8  Back Space\n9  Tab\n13  Enter\n19  Pause\n27  Esc\n32  Space\n33  Page Up\n34  Page Down\n35  End\n36  Home\n37  ←\n38  ↑\n39  →"},
    {"Label13", K::Label, 1620, 300, 1440, 3180, "40  ↓\n45  Insert\n46  Delete\n48  0\n49  1\n50  2\n51  3\n52  4\n53  5\n54  6\n55  7\n56  8\n57  9"},
    {"Label14", K::Label, 3120, 300, 1440, 3180, "65  A\n66  B\n67  C\n68  D\n69  E\n70  F\n71  G\n72  H\n73  I\n74  J\n75  K\n76  L\n77  M"},
    {"Label15", K::Label, 4620, 300, 1440, 3180, "78  N\n79  O\n80  P\n81  Q\n82  R\n83  S\n84  T\n85  U\n86  V\n87  W\n88  X\n89  Y\n90  Z"},
    {"Label16", K::Label, 6120, 300, 1440, 3180, "112  F1\n113  F2\n114  F3\n115  F4\n116  F5\n117  F6\n118  F7\n119  F8\n120  F9\n121  F10\n122  F11\n123  F12\n186  :"},
    {"Label17", K::Label, 7620, 300, 1440, 3180, "187  ;\n188  ,\n189  -\n190  .\n191  /\n192  @\n219  [\n220  ￥\n221  ]\n222  ^\n226  ＼"},
    {"buttonOK", K::CommandButton, 7920, 7800, 1440, 420, "OK"},
};

constexpr double kWidth = 9600, kHeight = 8760;

}  // namespace

ui::FormLayout Frmキー設定::Layout() { return {"frmキー設定", kWidth, kHeight, kRows}; }

Frmキー設定::Frmキー設定(ui::UiEnv& env, state::ProContext& pro) : Form(env, "frmキー設定"), pro_(pro) {
  onLoad = [this] { frmキー設定_Form_Load(); };
  onUnload = [this] { frmキー設定_Form_Unload(); };
  buttonOK.onClick = [this] { frmキー設定_buttonOK_Click(); };
  buttonDefSpace.onClick = [this] { frmキー設定_buttonDefSpace_Click(); };
  buttonDefA.onClick = [this] { frmキー設定_buttonDefA_Click(); };
  buttonDefB.onClick = [this] { frmキー設定_buttonDefB_Click(); };
  buttonDefC.onClick = [this] { frmキー設定_buttonDefC_Click(); };
}

void Frmキー設定::Design() {
  SetCaption("キー設定");
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  Move(0, 0, kWidth, kHeight);
  ui::ApplyLayout(*this, kRows);
}

void Frmキー設定::frmキー設定_Form_Load() {
  pro_.briefing.DialogOpenFlag = -1;
  pro_.flight.KeyFormOpenFlag = true;
  const state::MainState& m = pro_.main;
  tbxSpace.SetText(runtime::IntText(m.VolumeKeyCode));
  tbxA.SetText(runtime::IntText(m.CommandKeyA));
  tbxB.SetText(runtime::IntText(m.CommandKeyB));
  tbxC.SetText(runtime::IntText(m.CommandKeyC));
  pro_.svc.pump->Pump();
}

void Frmキー設定::frmキー設定_buttonDefSpace_Click() {
  tbxSpace.SetText("32");
  pro_.svc.pump->Pump();
}

void Frmキー設定::frmキー設定_buttonDefA_Click() {
  tbxA.SetText("65");
  pro_.svc.pump->Pump();
}

void Frmキー設定::frmキー設定_buttonDefB_Click() {
  tbxB.SetText("66");
  pro_.svc.pump->Pump();
}

void Frmキー設定::frmキー設定_buttonDefC_Click() {
  tbxC.SetText("67");
  pro_.svc.pump->Pump();
}

void Frmキー設定::frmキー設定_buttonOK_Click() {
  Unload();
  pro_.svc.pump->Pump();
}

void Frmキー設定::frmキー設定_Form_Unload() {
  // Both flags are cleared however the unload ends.
  ui::ScopeGuard clearFlags([this] {
    pro_.flight.KeyFormOpenFlag = false;
    pro_.briefing.DialogOpenFlag = 0;
  });
  if (pro_.main.KeyFormFromFlight) announce::BringSimulatorToFront(pro_);
  state::MainState& m = pro_.main;
  briefing::TypedNumbers typed(Caption());
  typed.TakeWhole(tbxSpace.Text(), m.VolumeKeyCode, Label6.Caption(), 1, 254);
  typed.TakeWhole(tbxA.Text(), m.CommandKeyA, Label7.Caption(), 1, 254);
  typed.TakeWhole(tbxB.Text(), m.CommandKeyB, Label8.Caption(), 1, 254);
  typed.TakeWhole(tbxC.Text(), m.CommandKeyC, Label9.Caption(), 1, 254);
  pro_.svc.pump->Pump();
  typed.ReportKept(pro_.boxes);
}

}  // namespace vx::mainwindow
