#pragma once
// The call-out program's side of the view layer: the layer's own state (presets, the
// preset in use, the aircraft as last read, the tower eye point) and the tower eye point
// stored per preset.
#include <array>

#include "state/eye_view_state.h"

namespace vx::state {

struct ExpViewState {
  EyeViewState eye;
  std::array<TowerEyePointRecord, 6> PresetEyePoints{};
  int BoardTaskId = 0;  // the departure board of the inspection while it runs
};

}  // namespace vx::state
