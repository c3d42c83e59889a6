#pragma once
// Module-level state of the settings and data files (settings file name, tables, route).
#include <string>

#include "datafiles/route_airports.h"
#include "datafiles/tables.h"
#include "datafiles/view_settings.h"

namespace vx::datafiles {

struct FilesState {
  std::string SettingsFileName = "VexlorPro.cfg";
  ViewTableArray ViewTable;
  RouteAirportsArray RouteAirports;
  double RouteDistance = 0.0;  // kilometres
  AirportTableArray AirportTable;
  AirlineTableArray AirlineTable;
};

}  // namespace vx::datafiles
