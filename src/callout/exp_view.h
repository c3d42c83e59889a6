#pragma once
// The view layer over the call-out program's context.
#include <optional>

#include "callout/eye_view.h"

namespace vx::state {
struct ExpContext;
}

namespace vx::callout {

// The view layer working through the program's simulator link, keys and focus, waiting
// with its WaitSeconds; the presets and the simulator's window taken from the settings and
// the link. Empty when a service is missing.
std::optional<EyeView> ExpEyeView(state::ExpContext& exp);

}  // namespace vx::callout
