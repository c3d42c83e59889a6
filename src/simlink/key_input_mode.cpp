#include "simlink/key_input_mode.h"

#include <vector>

#include "platform/key_hook.h"
#include "simlink/eye_keys.h"
#include "state/pro_context.h"

namespace vx::simlink {

void SetKeyInputMode(state::ProContext& pro, std::int16_t mode) {
  pro.main.KeyInputMode = mode;
  if (mode != kKeyModeViewpoint) DropWaitingEyeKeys(pro);  // no viewpoint program to take them
  if (!pro.svc.keyHook) return;
  std::vector<int> keys;
  if (mode == kKeyModeViewpoint) {
    keys = {kVkEsc, kVkTab};
    for (int k = kVkKeypad0; k <= kVkKeypad9; ++k) keys.push_back(k);
  }
  pro.svc.keyHook->SetSwallowCandidates(keys);
}

}  // namespace vx::simlink
