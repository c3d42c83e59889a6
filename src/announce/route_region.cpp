#include "announce/route_region.h"

#include "datafiles/tables.h"
#include "mainwindow/pro_context.h"
#include "runtime/numbers.h"

namespace vx::announce {

using datafiles::kFirstInternationalSlot;

std::string RegionIndex::Number() const { return runtime::Format(number, "#00"); }

RegionIndex TableRegion(int tableIndex) {
  if (tableIndex < kFirstInternationalSlot) return {"\\Japan", tableIndex};
  return {"\\World", tableIndex - kFirstInternationalSlot};
}

int DepartureAirportIndex(const mainwindow::ProContext& pro) { return runtime::CInt(pro.files.RouteAirports[0].slot); }

int ArrivalAirportIndex(const mainwindow::ProContext& pro) { return runtime::CInt(pro.files.RouteAirports[1].slot); }

int AirlineIndex(const mainwindow::ProContext& pro) { return runtime::CInt(pro.briefing.SelectedAirlineIndex); }

bool DomesticFlight(const mainwindow::ProContext& pro) {
  return DepartureAirportIndex(pro) < kFirstInternationalSlot && ArrivalAirportIndex(pro) < kFirstInternationalSlot;
}

}  // namespace vx::announce
