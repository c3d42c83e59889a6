#pragma once
// The windows of the main program and how they hang together: the start-up window shows
// the main window; the cabin strip is the progress tick's strip; the cabin attendant
// window and the briefing sheet serve the flight's set-up. The settings windows and the help
// panel are the flight's windows of requests 51 to 54 as well as the main window's.
// RunVexlorPro runs the program from its start-up window to its end.
#include <filesystem>

#include "announce/flight_form_set.h"
#include "briefing/frm_ca.h"
#include "briefing/frm_pb.h"
#include "briefing/frm_tob.h"
#include "briefing/frm_tset.h"
#include "briefing/frm_voice_settings.h"
#include "mainwindow/frm_cabin.h"
#include "mainwindow/frm_help.h"
#include "mainwindow/frm_key_settings.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_pass.h"
#include "mainwindow/frm_ver.h"

namespace vx::platform {
class InstanceLock;
}

namespace vx::state {
struct ProContext;
}

namespace vx::mainwindow {

struct VexlorProWindows {
  VexlorProWindows(ui::UiEnv& env, state::ProContext& pro, announce::FlightWindowOpener& flightWindow,
                   platform::InstanceLock& instanceLock, const std::filesystem::path& programFolder);
  VexlorProWindows(const VexlorProWindows&) = delete;
  VexlorProWindows& operator=(const VexlorProWindows&) = delete;

  FrmVer frmVer;
  FrmMain frmMain;
  FrmPass frmPass;
  FrmCabin frmCabin;
  briefing::FrmCA frmCA;
  // The take-off briefing sheet; its cabin attendant button opens frmCA, the program puts
  // its other windows into frmTOB.dialogs.
  briefing::FrmTOB frmTOB;
  FrmHelp frmHelp;
  Frmキー設定 frmキー設定;
  briefing::FrmPB frmPB;
  briefing::Frm音声設定 frm音声設定;
  briefing::FrmTSet frmTSet;
  // The windows the flight and the main window open by name (pro.engine.flightForms).
  announce::FlightFormSet flightForms;
};

// Shows the start-up window and runs the program's events until it ends; the exit code.
int RunVexlorPro(ui::UiEnv& env, VexlorProWindows& windows);

}  // namespace vx::mainwindow
