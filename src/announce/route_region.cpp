#include "announce/route_region.h"

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

int DepartureAirportIndex(const state::ProContext& pro) { return runtime::CInt(pro.files.RouteAirports[0].slot); }

int ArrivalAirportIndex(const state::ProContext& pro) { return runtime::CInt(pro.files.RouteAirports[1].slot); }

int AirlineIndex(const state::ProContext& pro) { return runtime::CInt(pro.briefing.SelectedAirlineIndex); }

bool DomesticFlight(const state::ProContext& pro) {
  return DepartureAirportIndex(pro) < kFirstInternationalSlot && ArrivalAirportIndex(pro) < kFirstInternationalSlot;
}

}  // namespace vx::announce
