#include "mainfiles/route.h"

#include <optional>

#include "datafiles/table_entries.h"
#include "simlink/common_helpers.h"
#include "simlink/sim_derivations.h"
#include "state/files_state.h"

namespace vx::mainfiles {
namespace {

void CopyAirport(const state::AirportRecord& from, state::RouteAirport& to) {
  to.icao = from.ICAO;
  to.name = from.空港名詳細;
  to.latitude = from.緯度;
  to.longitude = from.経度;
  to.elevation = from.高度;
}

}  // namespace

void ApplyRouteAirports(state::FilesState& files) {
  auto& route = files.RouteAirports;
  const std::optional<int> departure = datafiles::TableSlot(route[0].slot);
  const std::optional<int> arrival = datafiles::TableSlot(route[1].slot);
  CopyAirport(datafiles::AirportEntry(files.AirportTable, departure), route[0]);
  CopyAirport(datafiles::AirportEntry(files.AirportTable, arrival), route[1]);
  if (!departure || !arrival) {
    files.RouteDistance = 0;
    return;
  }
  files.RouteDistance =
      simlink::GreatCircleDistance(route[0].latitude * simlink::kLatitudeDegreesPerUnit,
                                   route[0].longitude * simlink::kLongitudeDegreesPerUnit,
                                   route[1].latitude * simlink::kLatitudeDegreesPerUnit,
                                   route[1].longitude * simlink::kLongitudeDegreesPerUnit) /
      1000.0;
}

}  // namespace vx::mainfiles
