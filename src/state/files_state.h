#pragma once
// Module-level state of the settings and data files (settings file name, tables, route).
#include <cstdint>
#include <set>
#include <string>

#include "state/route_records.h"
#include "state/tables.h"
#include "state/view_settings.h"

namespace vx::state {

struct FilesState {
  std::string SettingsFileName = "VexlorPro.cfg";
  // Settings files this run loaded, created from the defaults or saved at the user's word
  // (lower case): only these (or a name with nothing there) are written over, so a file
  // that failed to load, or was never loaded, keeps the user's values.
  std::set<std::string> SettingsFilesInHand;
  ViewTableArray ViewTable;
  RouteAirportsArray RouteAirports;
  double RouteDistance = 0.0;  // kilometres
  AirportTableArray AirportTable;
  AirlineTableArray AirlineTable;
  double MileageTotal = 0.0;  // nautical miles flown, kept only in "VexlorPro.cfg"
  // The last mileage milestone the total passed at a flight's end (0 none), for the
  // mileage window.
  std::int32_t MileageMilestone = 0;
  // -1 early, 0 on time, 10 to 60 late by band (ClassifyArrivalDelay).
  std::int16_t ArrivalDelayClass = 0;
  // The split-flap board: the names the boarding and arrival groups set for it, and the
  // process id of the board program while it runs (0 none).
  std::string BoardDestinationName;
  std::string BoardOriginName;
  int BoardTaskId = 0;
};

}  // namespace vx::state
