#include "callout/frm_exp.h"

#include <filesystem>
#include <system_error>

#include "callout/exp_files.h"
#include "callout/exp_link.h"
#include "callout/exp_sounds.h"
#include "datafiles/airport_airline_tables.h"
#include "platform/event_pump.h"
#include "platform/file_errors.h"
#include "platform/instance_lock.h"
#include "platform/paths.h"
#include "platform/sound_device.h"
#include "runtime/runtime_error.h"
#include "simlink/channels.h"
#include "simlink/wave_buffer.h"
#include "state/exp_context.h"
#include "ui/message_box.h"
#include "ui/scope_guard.h"

namespace vx::callout {
namespace {

using ui::ControlKind;

constexpr double kBoxHeight = 285;
constexpr double kCaretParkLeft = -2000;

constexpr ui::ControlRow kRows[] = {
    {"buttonExit", ControlKind::CommandButton, 0, 0, 315, 255, "×"},
    {"tbx1", ControlKind::TextBox, 300, 0, 1455, kBoxHeight},
    {"tbx2", ControlKind::TextBox, 1740, 0, 915, kBoxHeight},
    {"tbx3", ControlKind::TextBox, 2640, 0, 1215, kBoxHeight},
    {"tbxAltWind", ControlKind::TextBox, 3840, 0, 1695, kBoxHeight},
    {"tbxGroundWind", ControlKind::TextBox, 5520, 0, 1935, kBoxHeight},
    {"buttonExitCheck", ControlKind::CommandButton, 240, 0, 75, 105},
    {"キャレット消用", ControlKind::CommandButton, 7455, 0, 75, 105},
};
constexpr double kFormWidth = 7455;

void Pump(state::ExpContext& exp) {
  if (exp.svc.pump) exp.svc.pump->Pump();
}

// The airport table of the departure board. Without the file the table stays empty; a
// file that cannot be read is reported and the table left as it was. Either way the
// program goes on starting (it would otherwise stay without timers).
void LoadExpAirportTable(state::ExpContext& exp) {
  if (!exp.svc.paths->Exists("\\空港db.csv")) return;
  try {
    platform::ReadNamingTheFile(exp.svc.paths->Under("\\空港db.csv"), "",
                                [&] { datafiles::LoadAirportTable(*exp.svc.paths, exp.airports); });
  } catch (const runtime::RuntimeError& e) {
    exp.boxes->Show(e.Text(), ui::Buttons::Ok, ui::Icon::Critical);
  }
}

}  // namespace

ui::FormLayout FrmExpLayout() { return {"frmExp", kFormWidth, kBoxHeight, kRows}; }

FrmExp::FrmExp(ui::UiEnv& env, state::ExpContext& exp, platform::InstanceLock& instanceLock,
               std::string programFolder)
    : Form(env, "frmExp"), exp_(exp), instanceLock_(instanceLock), programFolder_(std::move(programFolder)) {
  onLoad = [this] { frmExp_Form_Load(); };
  onUnload = [this] { frmExp_Form_Unload(); };
  Timer1.onTimer = [this] { frmExp_Timer1_Timer(); };
  Timer2.onTimer = [this] { frmExp_Timer2_Timer(); };
  buttonExit.onClick = [this] { frmExp_buttonExit_Click(); };
  buttonExitCheck.onGotFocus = [this] { frmExp_buttonExitCheck_GotFocus(); };
  // What the call-out engine asks of the window: its end, and its place from vexlorSD.cfg.
  exp_.engine.UnloadWindow = [this] { Unload(); };
  exp_.engine.MakeWindowTopmost = [this] { SetTopmost(true); };
  exp_.engine.MoveWindow = [this](std::int32_t top, std::int32_t left) {
    if (Top() != top || Left() != left) Form::Move(left, top);
  };
  // The boxes show no caret and take no typing; pressing on them drags the window.
  for (ui::TextBox* box : {&tbx1, &tbx2, &tbx3, &tbxAltWind, &tbxGroundWind}) {
    box->onGotFocus = [this] { キャレット消用.SetFocus(); };
    box->onMouseDown = [this](const ui::MouseArgs&) { StartWindowDrag(); };
  }
  exp_.display = this;
}

void FrmExp::Design() {
  SetBorderStyle(ui::BorderStyle::None);
  SetCaption("VexlorEXP");
  Form::Move(0, 0, kFormWidth, kBoxHeight);
  ui::ApplyLayout(*this, kRows);
  for (ui::TextBox* box : {&tbx1, &tbx2, &tbx3, &tbxAltWind, &tbxGroundWind}) box->SetLocked(true);
  Timer1.SetEnabled(false);
  Timer2.SetEnabled(false);
}

void FrmExp::Start() {
  Show();
  if (Loaded() && !exp_.svc.pump->Ended()) frmExp_buttonExitCheck_GotFocus();
}

ui::TextBox& FrmExp::Box(ExpBox box) {
  switch (box) {
    case ExpBox::Tbx1: return tbx1;
    case ExpBox::Tbx2: return tbx2;
    case ExpBox::Tbx3: return tbx3;
    case ExpBox::AltWind: return tbxAltWind;
    case ExpBox::GroundWind: return tbxGroundWind;
  }
  return tbx1;
}

void FrmExp::SetText(ExpBox box, std::string_view text) { Box(box).SetText(std::string(text)); }

std::string FrmExp::Text(ExpBox box) const { return const_cast<FrmExp*>(this)->Box(box).Text(); }

void FrmExp::frmExp_Form_Load() {
  state::ExpContext& exp = exp_;
  // 1. A second copy ends at once, without the unload: the files it would delete are
  //    the running copy's.
  if (!instanceLock_.Acquire()) {
    secondInstance_ = true;
    exp.svc.pump->EndProgram(0);
  }
  if (const std::string problem = instanceLock_.Problem(); !problem.empty()) {
    exp.boxes->Show(problem, ui::Buttons::Ok, ui::Icon::Exclamation);
  }
  // 2.
  exp.frame.BaseFolder = platform::BaseFolderFromProgramFolder(programFolder_).string();
  if (exp.svc.paths) exp.svc.paths->SetBaseFolder(exp.frame.BaseFolder);
  std::error_code ignored;
  std::filesystem::current_path(exp.frame.BaseFolder, ignored);
  // 3.
  const std::string& prefix = exp.svc.sharedMemoryPrefix;
  simlink::OpenVolChannel(prefix, exp.sim.vol);
  simlink::OpenStabChannel(prefix, exp.sim.stab);
  simlink::OpenDataChannel(prefix, exp.sim.data);
  // 4.
  LoadExpAirportTable(exp);
  if (exp.svc.pump->Ended()) return;  // ended while its message box was up
  // 5.
  キャレット消用.SetLeft(kCaretParkLeft);
  exp.frame.SimConnected = 0;
  if (exp.engine.ResetCallOutState) exp.engine.ResetCallOutState();
  // 6.
  if (!ConnectSimulatorExp(exp)) {
    exp.boxes->Show("ＦＳが実行されていません", ui::Buttons::Ok, ui::Icon::Exclamation, "VEXLOR-EXP");
    return;
  }
  // 7.
  exp.frame.SimConnected = -1;
  // Without its settings file there is no file whose deletion would end the program: a
  // file that cannot be written or read ends it at once (nothing to tear down yet).
  const bool settingsExisted = exp.svc.paths && exp.svc.paths->Exists("\\vexlorEXP.cfg");
  try {
    ReadExpSettings(exp);
  } catch (const runtime::RuntimeError& e) {
    const std::string file = exp.svc.paths ? exp.svc.paths->Under("\\vexlorEXP.cfg").string() : "vexlorEXP.cfg";
    const std::string what =
        settingsExisted ? "読み込めません。\n" + platform::FileErrorReason(e) : std::string("作成できません。");
    exp.boxes->Show(e.Text() + "\n\n設定ファイル「 " + file + " 」を" + what +
                        "\nフォルダーに書き込めるか、ファイルが読めるかを確かめてください。\n\nVexlorEXP を終了します。",
                    ui::Buttons::Ok, ui::Icon::Critical, "VEXLOR-EXP");
    exp.frame.SimConnected = 0;  // no sound system to tear down
    Unload();
    return;
  }
  Form::Move(exp.settings.ExpWindowLeft, exp.settings.ExpWindowTop);
  // 8.
  if (!exp.svc.sound || !exp.svc.sound->Init()) {
    exp.boxes->Show("DirectSoundは使えません。", ui::Buttons::Ok);
    exp.frame.SimConnected = 0;  // no sound system to tear down
    Unload();
    return;
  }
  // 9.
  LoadCallSounds();
  if (!Loaded() || exp.svc.pump->Ended()) return;
  // 10.
  exp.frame.PushbackFilePresent = 0;
  exp.frame.EyeCheckArmed = 1;
  Pump(exp);
  // 11.
  if (exp.engine.InitCallOutWindow) exp.engine.InitCallOutWindow();
  // 12.
  Timer1.SetInterval(1007);
  Timer1.SetEnabled(true);
  ReadFlightStateFast(exp);
  Timer2.SetInterval(307);
  Timer2.SetEnabled(true);
  Pump(exp);
}

void FrmExp::LoadCallSounds() {
  state::ExpContext& exp = exp_;
  const auto& paths = CallSoundPaths();
  const std::string base = exp.svc.paths ? exp.svc.paths->BaseText() : exp.frame.BaseFolder;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    // The program may end while a file's message box is up: no further file is read.
    if (exp.frame.QuitRequested == 1 || exp.svc.pump->Ended()) return;
    exp.sound.CallSoundFile[i] = paths[i];
    exp.svc.sound->SetGlobalFocus(true);
    exp.sound.CallSoundBuffer[i] = simlink::LoadWaveBuffer(*exp.svc.sound, *exp.boxes, base + paths[i], 1);
  }
}

void FrmExp::frmExp_Timer1_Timer() {
  state::ExpContext& exp = exp_;
  state::ExpFrameState& f = exp.frame;
  const platform::Paths& paths = *exp.svc.paths;
  if (!paths.Exists("\\vexlorEXP.cfg")) f.QuitRequested = 1;
  if (paths.Exists("\\EyeView.cfg")) {
    if (f.EyeViewPresent == 0) f.EyeViewArmed = 1;
    f.EyeViewPresent = -1;
  } else {
    f.EyeViewPresent = 0;
  }
  f.EyeDoorPresent = paths.Exists("\\EyeDoor.cfg") ? -1 : 0;
  f.EyeCargoPresent = paths.Exists("\\EyeCargo.cfg") ? -1 : 0;
  if (paths.Exists("\\EyeCheck.cfg")) {
    if (f.EyeCheckPresent == 0) f.EyeCheckArmed = 1;
    f.EyeCheckPresent = -1;
  } else {
    f.EyeCheckPresent = 0;
  }
  f.PushbackFilePresent = paths.Exists("\\vexlorPB.cfg") ? -1 : 0;
  f.BeginFilePresent = paths.Exists("\\BEGIN.cfg") ? -1 : 0;
  if (exp.engine.PollSoundSettingsFile) exp.engine.PollSoundSettingsFile();
}

void FrmExp::frmExp_Timer2_Timer() {
  // The engine's tick serves the mute and view words also while a previous tick waits.
  if (exp_.engine.RunCallOutTick) {
    exp_.engine.RunCallOutTick();
  } else if (exp_.frame.TickBusy == 0) {
    RunReadTick();
  }
}

void FrmExp::RunReadTick() {
  state::ExpFrameState& f = exp_.frame;
  f.TickBusy = 1;
  ui::ScopeGuard done([&f] { f.TickBusy = 0; });
  if (f.QuitRequested == 1) {
    Unload();
    return;
  }
  if (++f.TickCount >= 10) {
    f.TickCount = 0;
    ReadFlightStateFull(exp_);
  } else {
    ReadFlightStateFast(exp_);
  }
}

void FrmExp::frmExp_buttonExit_Click() {
  buttonExitCheck.SetFocus();
  Pump(exp_);
  Unload();
}

void FrmExp::frmExp_buttonExitCheck_GotFocus() {
  if (exp_.frame.SimConnected == 0) Unload();
}

void FrmExp::frmExp_Form_Unload() {
  if (secondInstance_) return;
  state::ExpContext& exp = exp_;
  Timer1.SetInterval(0);
  Timer1.SetEnabled(false);
  Timer2.SetInterval(0);
  Timer2.SetEnabled(false);
  exp.frame.QuitRequested = 1;
  exp.svc.paths->DeleteIfExists("\\vexlorPB.cfg");
  Pump(exp);
  exp.svc.paths->DeleteIfExists("\\vexlorSD.cfg");
  Pump(exp);
  if (exp.frame.SimConnected == -1) {
    platform::SoundDevice& sound = *exp.svc.sound;
    for (std::int32_t b : exp.sound.CallSoundBuffer) sound.Stop(b);
    Pump(exp);
    for (std::int32_t& b : exp.sound.CallSoundBuffer) {
      sound.Free(b);
      b = 0;
    }
    Pump(exp);
    sound.Quit();
  }
  simlink::CloseSharedMapping(exp.sim.vol);
  simlink::CloseSharedMapping(exp.sim.stab);
  simlink::CloseSharedMapping(exp.sim.data);
  Pump(exp);
}

}  // namespace vx::callout
