#pragma once
// The viewpoint program inside the test process, on a ui test's virtual clock, with the
// stand-in's simulator in the process behind it (support/standin_in_process.h): its
// services, its base folder and its window. Start writes Ocumo.cfg as the main window
// does and starts the program.
#include <filesystem>
#include <string>

#include "datafiles/ocumo_files.h"
#include "platform/foreign_windows.h"
#include "platform/instance_lock.h"
#include "platform/paths.h"
#include "state/ocumo_context.h"
#include "support/standin_in_process.h"
#include "support/temp_dir.h"
#include "ui/ui_test_env.h"
#include "viewpoint/frm_ocumo.h"
#include "viewpoint/ocumo_program.h"

namespace vx::test {

struct OcumoInProcess {
  // Its key channel is VEXLORPRO_EYE under `channelPrefix`.
  OcumoInProcess(ui::test::UiTestEnv& ui, InProcessStandin& standin, const std::string& channelPrefix)
      : form(ui.env, ctx) {
    ctx.svc.clock = &ui.clock;
    ctx.svc.pump = &ui.pump;
    ctx.svc.timers = &ui.timers;
    ctx.svc.paths = &paths;
    ctx.svc.sim = &standin.client;
    ctx.svc.simWindows = &standin.windows;
    ctx.svc.keys = &standin.keys;
    ctx.svc.simFocus = &standin.focus;
    ctx.svc.foreignWindows = &windows;
    ctx.svc.sharedMemoryPrefix = channelPrefix;
    ctx.boxes = &ui.boxes;
    ctx.ui = &ui.env;
    std::filesystem::create_directories(base.Path() / "ExePro");
  }
  void Start(const datafiles::OcumoCfg& cfg = datafiles::DefaultOcumoCfg()) {
    datafiles::WriteOcumoCfgFile(base.Path() / "Ocumo.cfg", cfg);
    viewpoint::OcumoStartup(ctx, form, lock, (base.Path() / "ExePro").string());
  }

  TempDir base;
  platform::Paths paths;
  platform::ScriptedInstanceLock lock;
  platform::RecordingForeignWindows windows;
  state::OcumoContext ctx;
  viewpoint::FrmOcumo form;
};

}  // namespace vx::test
