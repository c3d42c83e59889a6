#pragma once
// Requests 50 to 59 of the dispatcher: the sound and window commands.
#include <cstdint>

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// Runs the command of the request and pumps the window events; false (and nothing done)
// for a request outside 50 to 59.
bool RunSoundCommand(state::ProContext& pro, std::int16_t request);

}  // namespace vx::announce
