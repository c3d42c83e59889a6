#pragma once
// Module-level state of the main program's simulator link, flight progress and channels.
#include <cstdint>

namespace vx::simlink {

struct SimState {
  std::int64_t SimWindow = 0;  // the simulator's main window, 0 = not connected
};

}  // namespace vx::simlink
