#pragma once
// The key mode of the main program, set in one place for the main window and the flight
// window alike, so the key hook's swallowed keys always follow the mode.
#include <cstdint>

namespace vx::state {
struct ProContext;
}

namespace vx::simlink {

// Key modes: 0 main window only, 1 viewpoint program being set up, 2 flight window up.
inline constexpr std::int16_t kKeyModeNone = 0;
inline constexpr std::int16_t kKeyModeViewpoint = 1;
inline constexpr std::int16_t kKeyModeFlight = 2;

// Sets KeyInputMode and tells the key hook which keys it may have to swallow: Esc, Tab
// and the keypad digits in mode 1, none otherwise (so nothing is grabbed outside it).
void SetKeyInputMode(state::ProContext& pro, std::int16_t mode);

}  // namespace vx::simlink
