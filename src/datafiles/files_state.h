#pragma once
// Module-level state of the settings and data files (settings file name, tables, route).
#include <array>
#include <cstdint>
#include <string>

namespace vx::datafiles {

// One airport of the route, copied out of the airport table.
struct RouteAirport {
  std::string slot;  // the airport table's slot number as text
  std::string icao;
  std::string name;
  std::int32_t latitude = 0;   // simulator units (x 8.9984275577e-6 = degrees)
  std::int32_t longitude = 0;  // simulator units (x 8.381903171539e-8 = degrees)
  std::int16_t elevation = 0;
};

struct FilesState {
  std::string SettingsFileName = "VexlorPro.cfg";
  std::array<RouteAirport, 2> RouteAirports{};  // 0 departure, 1 arrival
  double RouteDistance = 0;                     // km
};

}  // namespace vx::datafiles
