#pragma once
// Domestic and international flights, and the region folders of the airline and airport
// name recordings.
#include <optional>
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

// The table slots of the flight (datafiles::TableSlot): none when the settings name no
// entry of the table.
std::optional<int> DepartureAirportSlot(const state::ProContext& pro);
std::optional<int> ArrivalAirportSlot(const state::ProContext& pro);
std::optional<int> AirlineSlot(const state::ProContext& pro);

// The name recording of a table entry: `folder`, the region, `prefix`, the two-digit
// number and ".wav" ("\Wav\Lob\Cmp", 103, "\LCOMP_": "\Wav\Lob\Cmp\World\LCOMP_03.wav").
// Empty for no entry: the slot it goes to stays silent.
std::string EntryRecording(std::string_view folder, std::optional<int> slot, std::string_view prefix);

// No route airport lies at slot 100 or above (an airport of no entry is not an
// international one).
bool DomesticFlight(const state::ProContext& pro);

}  // namespace vx::announce
