#include "announce/route_region.h"

#include "datafiles/table_entries.h"
#include "runtime/numbers.h"
#include "state/pro_context.h"
#include "state/tables.h"

namespace vx::announce {

using state::kFirstInternationalSlot;

std::string RegionIndex::Number() const { return runtime::Format(number, "#00"); }

RegionIndex TableRegion(int tableIndex) {
  if (tableIndex < kFirstInternationalSlot) return {"\\Japan", tableIndex};
  return {"\\World", tableIndex - kFirstInternationalSlot};
}

std::optional<int> DepartureAirportSlot(const state::ProContext& pro) {
  return datafiles::TableSlot(pro.files.RouteAirports[0].slot);
}

std::optional<int> ArrivalAirportSlot(const state::ProContext& pro) {
  return datafiles::TableSlot(pro.files.RouteAirports[1].slot);
}

std::optional<int> AirlineSlot(const state::ProContext& pro) {
  return datafiles::TableSlot(pro.briefing.SelectedAirlineIndex);
}

std::string EntryRecording(std::string_view folder, std::optional<int> slot, std::string_view prefix) {
  if (!slot) return {};
  const RegionIndex r = TableRegion(*slot);
  return std::string(folder) + std::string(r.folder) + std::string(prefix) + r.Number() + ".wav";
}

bool DomesticFlight(const state::ProContext& pro) {
  const auto international = [](std::optional<int> slot) { return slot && *slot >= kFirstInternationalSlot; };
  return !international(DepartureAirportSlot(pro)) && !international(ArrivalAirportSlot(pro));
}

}  // namespace vx::announce
