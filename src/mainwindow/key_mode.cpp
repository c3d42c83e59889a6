#include "mainwindow/key_mode.h"

#include <vector>

#include "mainwindow/key_sequence.h"
#include "platform/key_hook.h"
#include "platform/process.h"
#include "state/pro_context.h"

namespace vx::mainwindow {

void EnterViewpointMode(state::ProContext& pro) {
  if (pro.main.KeyInputMode != kKeyModeViewpoint) pro.main.KeyModeBeforeViewpoint = pro.main.KeyInputMode;
  SetKeyInputMode(pro, kKeyModeViewpoint);
}

void LeaveViewpointMode(state::ProContext& pro) {
  if (pro.main.KeyInputMode != kKeyModeViewpoint) return;
  SetKeyInputMode(pro, pro.main.KeyModeBeforeViewpoint);
}

bool ViewpointProgramRunning(state::ProContext& pro) {
  if (!pro.main.OcumoProcess) return false;
  if (pro.svc.processes && pro.svc.processes->IsRunning(*pro.main.OcumoProcess)) return true;
  pro.main.OcumoProcess.reset();
  return false;
}

bool EndViewpointModeWhenDone(state::ProContext& pro) {
  if (pro.main.KeyInputMode != kKeyModeViewpoint || ViewpointProgramRunning(pro)) return false;
  LeaveViewpointMode(pro);
  return true;
}

}  // namespace vx::mainwindow
