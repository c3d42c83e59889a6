#pragma once
// The route of the flight: departure (entry 0) and arrival (entry 1) airports.
#include <array>
#include <cstdint>
#include <string>

namespace vx::state {

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

}  // namespace vx::state
