#include "mainwindow/vexlor_pro.h"

#include "state/pro_context.h"
#include "ui/program_loop.h"

namespace vx::mainwindow {

VexlorProWindows::VexlorProWindows(ui::UiEnv& env, state::ProContext& pro, announce::FlightWindowOpener& flightWindow,
                                   platform::InstanceLock& instanceLock, const std::filesystem::path& programFolder)
    : frmVer(env),
      frmMain(env, pro, flightWindow, frmVer),
      frmPass(env, pro, frmMain, instanceLock, programFolder),
      frmCabin(env, pro),
      frmCA(env, pro),
      frmTOB(env, pro),
      frmHelp(env, pro),
      frmキー設定(env, pro),
      frmPB(env, pro),
      frm音声設定(env, pro),
      frmTSet(env, pro) {
  if (!pro.ui) pro.ui = &env;
  frmTOB.dialogs.frmCA = &frmCA;
  frmTOB.dialogs.frmPB = &frmPB;
  frmTOB.dialogs.frmTSet = &frmTSet;
  pro.sim.cabinStrip = &frmCabin;
  using announce::FlightForm;
  flightForms.Set(FlightForm::frmHelp, frmHelp);
  flightForms.Set(FlightForm::frmPB, frmPB);
  flightForms.Set(FlightForm::frm音声設定, frm音声設定);
  flightForms.Set(FlightForm::frmキー設定, frmキー設定);
  flightForms.Set(FlightForm::frmCabin, frmCabin);
  flightForms.Set(FlightForm::frmTOB, frmTOB);
  pro.engine.flightForms = &flightForms;
  // Esc closes these in this order; the key hook does nothing while a window that takes
  // typed input is open (frmPB and frmTSet do not hold it off).
  state::KeyWindows& keys = pro.main.keyWindows;
  keys.frmTOB = &frmTOB;
  keys.closedByEsc = {&frmHelp, &frmPB, &frmキー設定, &frm音声設定, &frmTOB};
  keys.typedInput = {&frmキー設定, &frm音声設定, &frmTOB};
}

int RunVexlorPro(ui::UiEnv& env, VexlorProWindows& windows) {
  return ui::RunProgram(env, [&] { windows.frmPass.Show(); });
}

}  // namespace vx::mainwindow
