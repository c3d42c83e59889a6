#include "mainwindow/vexlor_pro.h"

#include "state/pro_context.h"
#include "ui/program_loop.h"

namespace vx::mainwindow {

VexlorProWindows::VexlorProWindows(ui::UiEnv& env, state::ProContext& pro, announce::FlightWindowOpener& flightWindow,
                                   platform::InstanceLock& instanceLock, const std::filesystem::path& programFolder)
    : frmMain(env, pro, flightWindow),
      frmPass(env, pro, frmMain, instanceLock, programFolder),
      frmCabin(env, pro),
      frmCA(env, pro),
      frmTOB(env, pro) {
  if (!pro.ui) pro.ui = &env;
  frmTOB.dialogs.frmCA = &frmCA;
  pro.sim.cabinStrip = &frmCabin;
}

int RunVexlorPro(ui::UiEnv& env, VexlorProWindows& windows) {
  return ui::RunProgram(env, [&] { windows.frmPass.Show(); });
}

}  // namespace vx::mainwindow
