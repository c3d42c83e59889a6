#pragma once
// The route of the flight from the airport table.
namespace vx::state {
struct FilesState;
}

namespace vx::announce {

// Copies the records of the two slots named in `RouteAirports` from `AirportTable` into
// the route and computes `RouteDistance`. Both slot texts are checked first: one that is
// not a number raises 13 (6 beyond 16 bits), one outside 0 to 200 raises 9, and then
// nothing is changed.
void ApplyRouteAirports(state::FilesState& files);

}  // namespace vx::announce
