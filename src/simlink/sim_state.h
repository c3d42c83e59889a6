#pragma once
// Module-level state of the main program's simulator link, flight progress and channels.
#include <cstdint>

namespace vx::simlink {

class TopmostWindows;

struct SimState {
  std::int64_t SimWindow = 0;  // the simulator's main window, 0 = not connected
  std::int16_t AddonSessionOpen = 0;  // 1 when the aircraft add-on session was opened
  std::int16_t Mp3TrackOpen = 0;      // 1 while an MP3 track is open
  // Places windows above all others (set by the program; may be absent).
  TopmostWindows* topmostWindows = nullptr;
};

}  // namespace vx::simlink
