#include "mainwindow/key_mode.h"

#include <vector>

#include "mainwindow/key_sequence.h"
#include "platform/key_hook.h"
#include "platform/process.h"
#include "state/pro_context.h"

namespace vx::mainwindow {

void SetKeyInputMode(state::ProContext& pro, std::int16_t mode) {
  pro.main.KeyInputMode = mode;
  if (!pro.svc.keyHook) return;
  std::vector<int> keys;
  if (mode == kKeyModeViewpoint) {
    keys = {vk::kEsc, vk::kTab};
    for (int k = vk::kKeypad0; k <= vk::kKeypad9; ++k) keys.push_back(k);
  }
  pro.svc.keyHook->SetSwallowCandidates(keys);
}

bool ViewpointProgramRunning(state::ProContext& pro) {
  if (!pro.main.OcumoProcess) return false;
  if (pro.svc.processes && pro.svc.processes->IsRunning(*pro.main.OcumoProcess)) return true;
  pro.main.OcumoProcess.reset();
  return false;
}

bool EndViewpointModeWhenDone(state::ProContext& pro) {
  if (pro.main.KeyInputMode != kKeyModeViewpoint || ViewpointProgramRunning(pro)) return false;
  SetKeyInputMode(pro, kKeyModeNone);
  return true;
}

}  // namespace vx::mainwindow
