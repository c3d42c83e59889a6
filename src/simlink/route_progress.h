#pragma once
// The main program's per-tick view of the flight: the flight data record into the flight
// variables and maxima, distance and remaining time to the arrival airport, the progress
// text, the landing-call state, the automatic pause, and the cabin strip's clocks.
namespace vx::state {
struct ProContext;
}

namespace vx::simlink {

// Palette colours of the progress texts.
inline constexpr int kProgressColourFlying = 9;      // light blue
inline constexpr int kProgressColourLate = 12;       // light red
inline constexpr int kProgressColourAutoPause = 13;  // light magenta
inline constexpr int kCabinStripWideTwips = 14700;
inline constexpr int kCabinStripNarrowTwips = 4950;

void UpdateRouteProgress(state::ProContext& pro);

}  // namespace vx::simlink
