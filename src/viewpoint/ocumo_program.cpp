#include "viewpoint/ocumo_program.h"

#include <filesystem>
#include <system_error>

#include "datafiles/ocumo_files.h"
#include "platform/event_pump.h"
#include "platform/file_errors.h"
#include "platform/instance_lock.h"
#include "platform/paths.h"
#include "platform/sim_focus.h"
#include "platform/sim_ipc_client.h"
#include "runtime/runtime_error.h"
#include "simlink/common_helpers.h"
#include "simlink/sim_link_start_and_follow.h"
#include "ui/message_box.h"
#include "viewpoint/frm_ocumo.h"

namespace vx::viewpoint {
namespace {

void Pump(state::OcumoContext& ctx) {
  if (ctx.svc.pump) ctx.svc.pump->Pump();
}

// Characters of a text (UTF-8 code points).
std::size_t CharacterCount(const std::string& text) {
  std::size_t n = 0;
  for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

}  // namespace

callout::EyeView OcumoEyeView(state::OcumoContext& ctx) {
  return {*ctx.svc.sim, *ctx.svc.keys, *ctx.svc.simFocus, *ctx.svc.pump,
          [&ctx](float seconds) { return OcumoWaitSeconds(ctx, seconds); }, ctx.view};
}

bool OcumoWaitSeconds(state::OcumoContext& ctx, float seconds) {
  simlink::WaitSeconds({*ctx.svc.clock, *ctx.svc.pump, {}, {}, {}}, seconds);
  return true;
}

bool ConnectSimulatorOcumo(state::OcumoContext& ctx) {
  simlink::SimLinkTarget target{ctx.svc.simWindows, ctx.svc.sim, ctx.view.SimWindow, ctx.ocumo.SimKind,
                                [&ctx] { ctx.view.EyeVarTable = callout::kFs98EyeVarTable; }};
  return simlink::ConnectSimulatorLink(target, ctx.boxes, ctx.svc.pump, "Morplin ERROR  (CODE : 001)");
}

void OcumoStartup(state::OcumoContext& ctx, FrmOcumo& form, platform::InstanceLock& lock,
                  const std::string& programFolder) {
  // 1.
  if (!lock.Acquire()) ctx.svc.pump->EndProgram(0);
  if (const std::string problem = lock.Problem(); !problem.empty()) {
    ctx.boxes->Show(problem, ui::Buttons::Ok, ui::Icon::Exclamation, "Ocumo");
  }
  // 3.
  if (!ConnectSimulatorOcumo(ctx)) {
    ctx.boxes->Show("ＦＳが実行されていません", ui::Buttons::Ok, ui::Icon::Exclamation, "Ocumo");
    ctx.svc.pump->EndProgram(0);
  }
  // 4.
  ctx.ocumo.BaseFolder = platform::BaseFolderFromProgramFolder(programFolder).string();
  if (ctx.svc.paths) ctx.svc.paths->SetBaseFolder(ctx.ocumo.BaseFolder);
  std::error_code ignored;
  std::filesystem::current_path(ctx.ocumo.BaseFolder, ignored);
  // 5.
  ctx.ocumo.ApuSoundSettings = {{"無", "無"}, {"1", "2"}};
  // Without its control file nothing would end the program: a file that cannot be
  // written or read ends it before its window shows.
  const bool controlExisted = ctx.svc.paths->Exists("\\Ocumo.cfg");
  try {
    ReadOcumoSettings(ctx);
  } catch (const runtime::RuntimeError& e) {
    const std::string what =
        controlExisted ? "読み込めません。\n" + platform::FileErrorReason(e) : std::string("作成できません。");
    ctx.boxes->Show(e.Text() + "\n\n設定ファイル「 " + ctx.svc.paths->Under("\\Ocumo.cfg").string() + " 」を" + what +
                        "\nフォルダーに書き込めるか、ファイルが読めるかを確かめてください。\n\nOcumo を終了します。",
                    ui::Buttons::Ok, ui::Icon::Critical, "Ocumo");
    ctx.svc.pump->EndProgram(1);
  }
  // 6.
  ctx.view.CurrentViewPreset = 0;
  ctx.ocumo.OcumoMode = 0;
  ctx.ocumo.PollBusy = 0;
  // 7.
  form.Show();
  Pump(ctx);
  if (!form.Loaded()) return;
  // 8.
  form.SetOcumoTopmost();
  // 9.
  if (ctx.view.SimWindow != 0) {
    ctx.svc.simFocus->BringSimulatorToFront(ctx.view.SimWindow);
    Pump(ctx);
  }
  // 10.
  OcumoWaitSeconds(ctx, 0.5f);
  if (!form.Loaded()) return;  // ended while waiting
  // 11.
  callout::EyeView view = OcumoEyeView(ctx);
  std::int16_t mode = 1;
  callout::ApplyViewPreset(view, 0, mode, 1);
}

void ReadOcumoSettings(state::OcumoContext& ctx) {
  if (!ctx.svc.paths->Exists("\\Ocumo.cfg")) WriteDefaultOcumoSettings(ctx);
  datafiles::OcumoCfg values{ctx.ocumo.ProWindowHandle, ctx.view.ViewPresets, ctx.ocumo.ApuSoundSettings};
  datafiles::ReadOcumoCfgFile(ctx.svc.paths->Under("\\Ocumo.cfg"), values, datafiles::BadValue::Keep);
  ctx.ocumo.ProWindowHandle = values.ProWindowHandle;
  ctx.view.ViewPresets = values.ViewPresets;
  ctx.ocumo.ApuSoundSettings = values.ApuSoundSettings;
  Pump(ctx);
  if (CharacterCount(ctx.view.ViewPresets[1][4]) < 3) ctx.view.ViewPresets[1][4] = "SE1";
  if (CharacterCount(ctx.view.ViewPresets[2][4]) < 3) ctx.view.ViewPresets[2][4] = "SE2";
}

void WriteDefaultOcumoSettings(state::OcumoContext& ctx) {
  datafiles::WriteOcumoCfgFile(ctx.svc.paths->Under("\\Ocumo.cfg"), datafiles::DefaultOcumoCfg());
}

void WriteEyeReturnFile(state::OcumoContext& ctx, const state::ViewTableArray& boxTexts) {
  datafiles::WriteEyeRetCfgFile(ctx.svc.paths->Under("\\EyeRet.cfg"), {boxTexts, ctx.ocumo.ApuSoundSettings});
}

}  // namespace vx::viewpoint
