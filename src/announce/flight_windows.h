#pragma once
// Placing the program's windows above all others and showing the flight's windows.
#include <cstdint>

#include "announce/flight_window_view.h"

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// When the handle is one of the program's loaded windows, it stays above all others;
// then the window events are pumped (handle 0 only pumps).
void SetWindowTopmost(state::ProContext& pro, std::int64_t windowHandle);

// Gives the simulator's window the foreground, when it is known, and pumps the window
// events: what a window opened from the flight does as it closes.
void BringSimulatorToFront(state::ProContext& pro);

// Loads the form when needed, places it above all others and shows it without waiting.
void ShowFlightFormOnTop(state::ProContext& pro, FlightForm form);

}  // namespace vx::announce
