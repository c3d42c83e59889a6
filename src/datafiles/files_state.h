#pragma once
// Module-level state of the settings and data files (settings file name, tables, route).
#include <string>

namespace vx::datafiles {

struct FilesState {
  std::string SettingsFileName = "VexlorPro.cfg";
};

}  // namespace vx::datafiles
