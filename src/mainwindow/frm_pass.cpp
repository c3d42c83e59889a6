#include "mainwindow/frm_pass.h"

#include <system_error>

#include "platform/event_pump.h"
#include "platform/instance_lock.h"
#include "platform/paths.h"
#include "state/pro_context.h"
#include "ui/message_box.h"

namespace vx::mainwindow {

FrmPass::FrmPass(ui::UiEnv& env, state::ProContext& pro, ui::Form& next, platform::InstanceLock& instanceLock,
                 std::filesystem::path programFolder)
    : Form(env, "frmPass"),
      pro_(pro),
      next_(next),
      instanceLock_(instanceLock),
      programFolder_(std::move(programFolder)) {
  onLoad = [this] { frmPass_Form_Load(); };
  buttonStart.onClick = [this] { frmPass_buttonStart_Click(); };
  buttonExit.onClick = [this] { frmPass_buttonExit_Click(); };
  tbxUserName.onKeyDown = [this](int keyCode, int) {
    if (keyCode == 13) frmPass_buttonStart_Click();
  };
  onMouseDown = [this](const ui::MouseArgs&) { StartWindowDrag(); };
}

namespace {

using K = ui::ControlKind;
constexpr double kFormWidth = 4800, kFormHeight = 2400;
constexpr ui::ControlRow kRows[] = {
    {"Label3", K::Label, 240, 360, 900, 300, "機長名"},
    {"tbxUserName", K::TextBox, 1200, 300, 3120, 360, kDefaultCaptainName},
    {"Label4", K::Label, 240, 1560, 900, 300, "v3.02"},
    {"buttonStart", K::CommandButton, 1200, 960, 1455, 495, "START"},
    {"buttonExit", K::CommandButton, 2865, 960, 1455, 495, "Exit"},
};

}  // namespace

ui::FormLayout FrmPass::Layout() { return {"frmPass", kFormWidth, kFormHeight, kRows}; }

void FrmPass::Design() {
  SetCaption("VexlorPro");
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  Move(0, 0, kFormWidth, kFormHeight);
  ui::ApplyLayout(*this, kRows);
}

void FrmPass::frmPass_Form_Load() {
  if (!instanceLock_.Acquire()) {
    Unload();  // with no window left the program ends
    return;
  }
  if (const std::string problem = instanceLock_.Problem(); !problem.empty()) {
    pro_.boxes->Show(problem, ui::Buttons::Ok, ui::Icon::Exclamation);
  }
  const std::filesystem::path base = platform::BaseFolderFromProgramFolder(programFolder_);
  pro_.svc.paths->SetBaseFolder(base);
  std::error_code ec;
  std::filesystem::current_path(base, ec);
  const std::string click = pro_.svc.paths->BaseText() + "\\Wav\\Etc\\スイッチ音\\-ss1.wav";
  pro_.engine.SoundSlotFile.fill(click);
  pro_.svc.pump->Pump();
}

void FrmPass::frmPass_buttonStart_Click() {
  std::string name = tbxUserName.Text();
  if (name.empty() || name == "IsNull") name = kDefaultCaptainName;
  tbxUserName.SetText(name);
  pro_.main.CaptainName = name;
  next_.Show();
  Unload();
  pro_.svc.pump->Pump();
}

void FrmPass::frmPass_buttonExit_Click() {
  Unload();
  pro_.svc.pump->Pump();
  pro_.svc.pump->EndProgram();
}

}  // namespace vx::mainwindow
