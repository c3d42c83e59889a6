#pragma once
// The route of the flight: departure (entry 0) and arrival (entry 1) airports.
#include <array>
#include <cstdint>
#include <string>

namespace vx::datafiles {

struct RouteAirport {
  std::string slot;  // the `AirportTable` slot as decimal text ("1", "198")
  std::string icao;
  std::string name;  // the slot's detail name (空港名詳細)
  std::int32_t latitude = 0;   // simulator units, as the airport table keeps them
  std::int32_t longitude = 0;
  std::int16_t elevation = 0;  // feet

  bool operator==(const RouteAirport&) const = default;
};

using RouteAirportsArray = std::array<RouteAirport, 2>;

struct FilesState;

// The `AirportTable` slot that a slot text names: 13 (6 beyond 16 bits) when the text is
// not a number, 9 when the slot lies outside 0 to 200.
int CheckedAirportSlot(const std::string& slotText);

// Copies the records of the two slots named in `RouteAirports` from `AirportTable` into
// the route and computes `RouteDistance`. Both slot texts are checked first: one that is
// not a number raises 13 (6 beyond 16 bits), one outside 0 to 200 raises 9, and then
// nothing is changed.
void ApplyRouteAirports(FilesState& files);

}  // namespace vx::datafiles
