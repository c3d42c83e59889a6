#pragma once
// The route of the flight from the airport table.
namespace vx::state {
struct FilesState;
}

namespace vx::mainfiles {

// Copies the records of the two slots named in `RouteAirports` from `AirportTable` into
// the route and computes `RouteDistance`. A slot text that names no entry of the table
// (not a number, or outside 0 to 200) gives its side the empty record (no code, no name,
// position 0) and the route no length: `RouteDistance` 0, so that no mileage is credited
// for a leg to nowhere.
void ApplyRouteAirports(state::FilesState& files);

}  // namespace vx::mainfiles
