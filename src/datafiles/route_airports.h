#pragma once
// The route of the flight: departure (entry 0) and arrival (entry 1) airports.
#include <array>
#include <cstdint>
#include <string>

#include "state/route_records.h"

namespace vx::state {
struct FilesState;
}

namespace vx::datafiles {

// The `AirportTable` slot that a slot text names: 13 (6 beyond 16 bits) when the text is
// not a number, 9 when the slot lies outside 0 to 200.
int CheckedAirportSlot(const std::string& slotText);

// Copies the records of the two slots named in `RouteAirports` from `AirportTable` into
// the route and computes `RouteDistance`. Both slot texts are checked first: one that is
// not a number raises 13 (6 beyond 16 bits), one outside 0 to 200 raises 9, and then
// nothing is changed.
void ApplyRouteAirports(state::FilesState& files);

}  // namespace vx::datafiles
