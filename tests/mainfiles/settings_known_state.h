#pragma once
// The program state whose save is the golden file settings_saved.cfg, and the golden
// files of the main settings file (stored as the CP932 bytes with CR LF).
#include <string>
#include <vector>

#include "state/pro_context.h"

namespace vx::mainfiles::test {

// Sets every variable of the settings file to the value settings_saved.cfg holds, and
// the three volume entries that the file does not keep to 4.
void SetKnownSettingsState(state::ProContext& ctx);

// The bytes of tests/mainfiles/settings_golden/<name>.
std::string SettingsGoldenBytes(const std::string& name);
// Its lines, decoded to UTF-8, without line ends.
std::vector<std::string> SettingsGoldenLines(const std::string& name);

}  // namespace vx::mainfiles::test
