#pragma once
// Domestic and international flights, and the region folders of the airline and airport
// name recordings.
#include <string>
#include <string_view>

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// A table index below 100 is domestic: "\Japan" and the index; 100 or more is
// international: "\World" and the index less 100.
struct RegionIndex {
  std::string_view folder;
  int number = 0;
  // The number written with two digits at least ("05", "12").
  std::string Number() const;
};
RegionIndex TableRegion(int tableIndex);

// The table indexes of the flight as 16-bit integers (their texts not being numbers
// raises the runtime's type mismatch).
int DepartureAirportIndex(const state::ProContext& pro);
int ArrivalAirportIndex(const state::ProContext& pro);
int AirlineIndex(const state::ProContext& pro);

// Both route airports lie below slot 100.
bool DomesticFlight(const state::ProContext& pro);

}  // namespace vx::announce
