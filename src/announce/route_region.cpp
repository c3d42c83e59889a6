#include "announce/route_region.h"

#include "mainwindow/pro_context.h"
#include "runtime/numbers.h"

namespace vx::announce {
namespace {

constexpr int kInternational = 100;

}  // namespace

std::string RegionIndex::Number() const { return runtime::Format(number, "#00"); }

RegionIndex TableRegion(int tableIndex) {
  if (tableIndex < kInternational) return {"\\Japan", tableIndex};
  return {"\\World", tableIndex - kInternational};
}

int DepartureAirportIndex(const mainwindow::ProContext& pro) { return runtime::CInt(pro.files.RouteAirports[0].slot); }

int ArrivalAirportIndex(const mainwindow::ProContext& pro) { return runtime::CInt(pro.files.RouteAirports[1].slot); }

int AirlineIndex(const mainwindow::ProContext& pro) { return runtime::CInt(pro.briefing.SelectedAirlineIndex); }

bool DomesticFlight(const mainwindow::ProContext& pro) {
  return DepartureAirportIndex(pro) < kInternational && ArrivalAirportIndex(pro) < kInternational;
}

}  // namespace vx::announce
