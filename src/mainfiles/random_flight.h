#pragma once
// RandomFlight.cfg taken into the main program's tables and route.
namespace vx::state {
struct ProContext;
}

namespace vx::mainfiles {

// At Start when "\RandomFlight.cfg" exists: imports the flight into the briefing, the
// airline slot 139 (when the flight's airline is 139), the airport slots 198 and 199 and
// the route, then applies the route. A file that cannot be read or parsed is reported in
// a message box and nothing is imported. True when the flight was imported.
bool LoadRandomFlight(state::ProContext& ctx);

}  // namespace vx::mainfiles
